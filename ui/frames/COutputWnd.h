#pragma once
#include <QWidget>

class QListWidget;
class QMenu;

namespace vd {

/// The output pane of a document window: the progress lines of its radio and file
/// operations, with a context menu that clears them or copies them to the clipboard.
class COutputWnd : public QWidget {
    Q_OBJECT
public:
    /// Builds an empty pane.
    explicit COutputWnd(QWidget* parent = nullptr);

    /// Appends a line and selects it, so the newest step stays in sight.
    void AddLine(const QString& line);
    /// Every line, oldest first.
    QStringList Lines() const;
    /// The list of lines, for tests.
    QListWidget* List() const { return list_; }
    /// The context menu, for tests.
    QMenu* ContextMenu() const { return menu_; }

public slots:
    /// Removes every line.
    void Clear();
    /// Puts every line on the clipboard, one per line.
    void Copy();

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QListWidget* list_;
    QMenu* menu_;
    QAction* clear_;
    QAction* copy_;
};

} // namespace vd
