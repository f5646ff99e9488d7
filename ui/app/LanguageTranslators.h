#pragma once
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

namespace vd {

/// The translations of one user-interface language, installed into the application. English
/// is the language of the program's own texts and needs none.
class LanguageTranslators {
public:
    LanguageTranslators() = default;
    ~LanguageTranslators();
    LanguageTranslators(const LanguageTranslators&) = delete;
    LanguageTranslators& operator=(const LanguageTranslators&) = delete;

    /// Replaces the installed translations by those of a language code ("ENG", "CHN");
    /// false, with English in effect, for a code the program has no translation of.
    bool Load(const std::string& code);
    /// Removes every installed translation.
    void Unload();

private:
    bool Install(const QString& file, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace vd
