#ifndef LegacyMaterialListReaderH
#define LegacyMaterialListReaderH

// Reader of the material lists of the previous program generation ("Database for Vapro 1.9 (*.txt)"):
// a line-oriented text file with one "MATERIAL_DEFINITION { ... }" block per material inside a
// "MATERIAL_LIST {" block. Used by MaterialList::readLegacyList for the import of user materials.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

#include "Material.h"

class LegacyMaterialListReader {
    Q_DECLARE_TR_FUNCTIONS(LegacyMaterialListReader)
public:
    using IdSource = std::function<int()>;

    /*! Reads \a fileName and appends every material, each with the next id of \a nextId, to \a materials.
        Throws ZOT::Exception at the first error; the materials read before it stay in \a materials. */
    static void read(const QString &fileName, const IdSource &nextId, QVector<Material> &materials);
    /*! Category id of a legacy category name (prefix match), else of a current category name, else 13. */
    static int categoryFromLegacyName(const QString &text);

private:
    explicit LegacyMaterialListReader(const QStringList &lines) : m_lines(lines) {}
    void readList(const IdSource &nextId, QVector<Material> &materials);
    Material readMaterial();
    void readParameter(Material &m, const QString &keyword, const QString &value);
    /*! Next non-empty line, trimmed; false at the end of the file. */
    bool nextLine(QString &line);

    QStringList m_lines;
    int m_pos = 0;
    bool m_wHygAt95 = false;
};

#endif // LegacyMaterialListReaderH
