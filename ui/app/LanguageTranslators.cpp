#include "ui/app/LanguageTranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vd {

namespace {

/// The locale names of the translation files of a language code; empty for English and for
/// an unknown code.
QString LocaleOf(const std::string& code) {
    if (code == "CHN") {
        return QStringLiteral("zh_CN");
    }
    return {};
}

const QString kResourceFolder = QStringLiteral(":/i18n");

} // namespace

LanguageTranslators::~LanguageTranslators() {
    Unload();
}

bool LanguageTranslators::Install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed_.push_back(std::move(translator));
    return true;
}

void LanguageTranslators::Unload() {
    for (const auto& translator : installed_) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed_.clear();
}

bool LanguageTranslators::Load(const std::string& code) {
    Unload();
    if (code == "ENG") {
        return true;
    }
    const QString locale = LocaleOf(code);
    if (locale.isEmpty() || !Install(QStringLiteral("ValdrenCps_") + locale, kResourceFolder)) {
        return false;
    }
    // the grid view's texts and Qt's own (standard buttons, file dialog) when present
    Install(QStringLiteral("ValdrenCpsView_") + locale, kResourceFolder);
    Install(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

} // namespace vd
