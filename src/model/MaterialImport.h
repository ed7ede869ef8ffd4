#ifndef MaterialImportH
#define MaterialImportH

// Import of an external material file into the user materials, chosen by the file's extension:
// "txt" for the material lists of version 1.9, "cmat" for user databases of version 2. Only materials that
// can be calculated are added. Gives the title and text of the message the material browser shows.

#include <QCoreApplication>
#include <QString>

class MaterialList;

class MaterialImport {
    Q_DECLARE_TR_FUNCTIONS(MaterialImport)
public:
    struct Result {
        /*! Materials found in the file, including invalid ones that were not added. */
        int found = 0;
        /*! Materials added to the user materials. */
        int added = 0;
        /*! True: show as warning; false: show as information. */
        bool warning = true;
        QString title;
        QString text;
    };

    /*! Reads \a fileName by its extension and adds every valid material to the user materials of \a list. */
    static Result importFile(MaterialList &list, const QString &fileName);
};

#endif // MaterialImportH
