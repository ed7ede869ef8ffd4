#ifndef MaterialsCommandH
#define MaterialsCommandH

// "materials": lists the material database (system catalogue, the built-in air space and the user materials)
// as a table, JSON or CSV, optionally filtered by category and name words. Names, notes and categories are
// those of the tool's language (--lang). Reads only; never writes a database.

#include "CliCommand.h"

#include <QCoreApplication>

class Material;
class MaterialList;

class MaterialsCommand : public CliCommand {
    Q_DECLARE_TR_FUNCTIONS(MaterialsCommand)
public:
    QString name() const override { return QStringLiteral("materials"); }
    QString synopsis() const override;
    QString usage() const override;
    int run(const QStringList &arguments) override;

    /*! Name filter: the text split at blanks into words, or phrases in double quotes; a material passes when
        every one is found, as plain text in any letter case, in its name, its name in another language of the
        catalogue or its product name. An empty filter passes everything. */
    static bool matchesFilter(const Material &material, const QString &filter);

private:
    static QString table(const QVector<const Material *> &materials);
    static QByteArray json(const QVector<const Material *> &materials);
    static QByteArray csv(const QVector<const Material *> &materials);
    static QStringList flagNames(const Material &material);
};

#endif // MaterialsCommandH
