#ifndef CliLanguageH
#define CliLanguageH

// "--lang ID" of every command, before or after the command name: the program's catalogues of that language, and
// numbers and dates formatted as a window in that language shows them. The dispatcher takes the option out of the
// arguments and applies it before any command parses them, so that usage errors and --help speak the language too.

#include <model/Translations.h>

#include <QString>
#include <QStringList>

class CliLanguage {
public:
    /*! Removes every "--lang ID" and "--lang=ID" in front of a "--" from \a arguments; \a languageId becomes the
        last ID given, or stays as it is without one. False with \a errorText when "--lang" has no ID. */
    static bool take(QStringList &arguments, QString &languageId, QString &errorText);

    /*! Installs the catalogues of \a languageId, or none for English or an empty id, and sets the number format.
        False with \a errorText when the language's catalogues are missing. */
    bool apply(const QString &languageId, QString &errorText);

    /*! The language the tool runs in: "en" until another one was applied. */
    static const QString &current() { return s_current; }

private:
    Translations m_translations;
    static QString s_current;
};

#endif // CliLanguageH
