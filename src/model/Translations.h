#ifndef TranslationsH
#define TranslationsH

// The translators of one run: the toolkit's own texts ("qt_<id>") and the program's texts
// ("Hygrolux2_<id>"). Both are installed or neither, so that a half-translated window never appears.

#include <QLocale>
#include <QString>

#include <memory>

class QTranslator;

class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    /*! Language of this run: the \a commandLine language, else the \a stored one, else the system locale's
        language (the name up to the first "_"); in lower case. */
    static QString languageId(const QString &commandLine, const QString &stored);

    /*! Loads both catalogues of \a languageId from \a directory and installs them in the application when
        both loaded. Nothing is needed for "en". Logs every step. True when the program runs translated. */
    bool install(const QString &languageId, const QString &directory);

    /*! Determines the language of this run, installs its catalogues from \a directory and, when both were
        installed, makes it the \a stored language. Returns the language id. */
    QString installFor(const QString &commandLine, QString &stored, const QString &directory);

    /*! True while both catalogues are installed. */
    bool isInstalled() const { return m_programTranslator != nullptr; }

    /*! Locale for numbers and dates, without group separators: the \a system locale, but in a translated run
        whose language differs from the system's, the translation's own locale, so that a German window on an
        English desktop also writes "0,25" and German dates. */
    static QLocale numberLocale(const QLocale &system, const QString &languageId, bool translated);

private:
    void remove();

    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<QTranslator> m_programTranslator;
};

#endif // TranslationsH
