#ifndef CliLanguageH
#define CliLanguageH

// "--lang ID" of the commands that write texts for a reader (report, diagram): the program's catalogues of that
// language, and numbers and dates formatted as a window in that language shows them.

#include <model/Translations.h>

#include <QString>

class QCommandLineParser;

class CliLanguage {
public:
    static void addTo(QCommandLineParser &parser);

    /*! Installs the language \a parser names, or none for English, and sets the number format. False with
        \a errorText when the language's catalogues are missing. */
    bool apply(const QCommandLineParser &parser, QString &errorText);

private:
    Translations m_translations;
};

#endif // CliLanguageH
