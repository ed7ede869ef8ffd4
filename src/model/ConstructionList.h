#ifndef ConstructionListH
#define ConstructionListH

// The construction database: the user's named constructions, kept in "ConstructionData.constr" in the
// user databases directory between runs. Owned by the Globals singleton; written when it is destroyed.

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include "Construction.h"
#include "DamagedDatabase.h"

class MaterialList;

class ConstructionList : public QObject {
    Q_OBJECT
public:
    static const char *const FileName;
    static const int FileVersion = 1;

    /*! \a directory: the user databases directory. Does not read. */
    ConstructionList(const QString &languageId, const QString &directory, QObject *parent = nullptr);
    /*! Writes the database. */
    ~ConstructionList() override;

    /*! Reads the database file; false when it cannot be opened (the list then stays as it was). A damaged file
        yields the constructions before the first damaged record, one of an unknown version none; either is
        kept as a copy before the first write. */
    bool read();
    /*! Writes the database atomically; an empty list moves the existing file to the backup name instead.
        False when the file could not be written. */
    bool write() const;

    /*! Why the database could not be read whole ("<file>: <reason>"); empty when it was. */
    QString damageText() const { return m_damaged.damageText(); }
    /*! After the first write kept a copy of a damaged database: the text for the user, once. */
    QString takeDamageNotice() { return m_damaged.takeNotice(); }

    /*! Appends a copy unless an equal construction is stored already; emits constructionAdded. */
    bool addConstruction(const Construction &construction);
    /*! Removes the first equal construction and emits constructionRemoved; false when there is none. */
    bool removeConstruction(const Construction &construction);
    /*! Removes the construction at \a index and emits constructionRemoved. Equality ignores layer widths, so the
        browser removes by position. */
    void removeAt(int index);
    /*! Replaces the construction at \a index (name, notes, layers) and emits constructionChanged. */
    void replace(int index, const Construction &construction);

    int count() const { return int(m_constructions.size()); }
    /*! Construction at \a index (0..count()-1). */
    const Construction &at(int index) const { return *m_constructions[size_t(index)]; }
    /*! Largest layer count of all constructions, 0 for an empty list. */
    int maxLayerCount() const;

    /*! Adds the example construction "test construction 1" (materials 493, 282, 493 with 0.12 m, 0.08 m and
        0.12 m) when both materials exist in \a materials. True when it was added. */
    bool addExampleConstruction(const MaterialList &materials);

    const QString &languageId() const { return m_languageId; }
    QString filePath() const;

signals:
    void constructionAdded(Construction *construction);
    void constructionRemoved();
    void constructionChanged(int index);

private:
    QString m_languageId;
    QString m_directory;
    std::vector<std::unique_ptr<Construction>> m_constructions;
    // Written from the const write: the copy of a damaged file is made on the first write.
    mutable DamagedDatabase m_damaged;
};

#endif // ConstructionListH
