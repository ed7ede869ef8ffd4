#ifndef MaterialH
#define MaterialH

// One building material: identity, texts, hygrothermal parameters, colour and classification flags.
// Stored in the material databases, copied into every layer, written into project and construction files
// and read by the calculation. A plain copyable value.

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <set>

enum class HeatFlowDirection;

class QDataStream;
class QXmlStreamReader;
class QXmlStreamWriter;

class Material {
    Q_DECLARE_TR_FUNCTIONS(Material)
public:
    /*! Classification flags; they travel as four booleans, the numbers are stored nowhere. */
    enum MaterialFlag { Wood = 0, Woodbased = 1, Air = 2, Foil = 3 };

    /*! Material categories; any value outside 0..12 means unknown. */
    enum MaterialCategory {
        Coating = 0,
        PlasterAndMortar = 1,
        BuildingBrick = 2,
        NaturalStones = 3,
        ConcreteContaining = 4,
        InsulationMaterials = 5,
        BuildingBoards = 6,
        Timber = 7,
        NaturalMaterials = 8,
        Soil = 9,
        CladdingAndTiles = 10,
        FoilsAndWaterproofing = 11,
        Miscellaneous = 12,
        UnknownCategory = 13
    };
    /*! Number of real categories (ids 0..NumCategories-1). */
    static const int NumCategories = 13;

    /*! Id of materials taken out of the construction database. */
    static const int ConstructionDatabaseId = 65536;
    /*! Version of the binary record written by the current writers. */
    static const int CurrentBinaryVersion = 4;

    /*! The texts of a catalogue material in one language. */
    struct Texts {
        QString name;
        QString notes;
        QString dataSource;
        bool operator==(const Texts &other) const {
            return name == other.name && notes == other.notes && dataSource == other.dataSource;
        }
    };
    /*! Catalogue texts by language id ("en", "de"). */
    using CatalogueTexts = QMap<QString, Texts>;

    Material();
    /*! Sets the given values, mu_min = mu_max = mu, sd_value 0, no flags and a random colour
        (drawn with std::rand, so the sequence follows std::srand). */
    Material(const QString &name, int category, const QString &notes, const QString &productName,
             const QString &producer, const QString &dataSource, double rho, double lambda, double mu, double w_80,
             double w_sat, double Aw, int materialId);

    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int category() const { return m_category; }
    /*! Stores 13 (unknown) for any value outside 0..12. */
    void setCategory(int category);
    const QColor &color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    const QString &notes() const { return m_notes; }
    void setNotes(const QString &notes) { m_notes = notes; }
    const QString &productName() const { return m_productName; }
    void setProductName(const QString &productName) { m_productName = productName; }
    const QString &producer() const { return m_producer; }
    void setProducer(const QString &producer) { m_producer = producer; }
    const QString &dataSource() const { return m_dataSource; }
    void setDataSource(const QString &dataSource) { m_dataSource = dataSource; }

    /*! Bulk density in kg/m3. */
    double rho() const { return m_rho; }
    void setRho(double rho) { m_rho = rho; }
    double mu_min() const { return m_mu_min; }
    void setMu_min(double mu_min) { m_mu_min = mu_min; }
    double mu_max() const { return m_mu_max; }
    void setMu_max(double mu_max) { m_mu_max = mu_max; }
    /*! Moisture content at 80 % relative humidity in m3/m3. */
    double w_80() const { return m_w_80; }
    void setW_80(double w_80) { m_w_80 = w_80; }
    /*! Moisture content at saturation in m3/m3. */
    double w_sat() const { return m_w_sat; }
    void setW_sat(double w_sat) { m_w_sat = w_sat; }
    /*! Diffusion-equivalent air layer thickness of the product in m; 0 means none given. */
    double sd_value() const { return m_sd_value; }
    void setSd_value(double sd_value) { m_sd_value = sd_value; }

    const QDate &measuringDate() const { return m_measuringDate; }
    void setMeasuringDate(const QDate &date) { m_measuringDate = date; }
    const QDate &samplingDate() const { return m_samplingDate; }
    void setSamplingDate(const QDate &date) { m_samplingDate = date; }
    const QDate &productionDate() const { return m_productionDate; }
    void setProductionDate(const QDate &date) { m_productionDate = date; }

    /*! Water absorption coefficient in kg/(m2 s^0.5). */
    double Aw() const { return m_Aw; }
    /*! Stores the value as given when inSeconds is true, otherwise converts from per h^0.5 (value / 60). */
    void setAw(double value, bool inSeconds);
    /*! Thermal conductivity (design value) in W/(m K), independent of any layer width. */
    double lambda() const { return m_lambda; }
    void setLambda(double lambda) { m_lambda = lambda; }
    /*! Vapour diffusion resistance factor, independent of any layer width. */
    double mu() const { return m_mu; }
    void setMu(double mu) { m_mu = mu; }

    const std::set<MaterialFlag> &flags() const { return m_flags; }
    /*! Clears all flags, then sets each flag whose argument is true. */
    void setFlags(bool air, bool wood, bool woodbased, bool foil);
    /*! Sets or clears one flag. */
    void setFlag(MaterialFlag flag, bool on);
    bool isWood() const { return hasFlag(Wood); }
    bool isWoodbased() const { return hasFlag(Woodbased); }
    bool isAir() const { return hasFlag(Air); }
    bool isFoil() const { return hasFlag(Foil); }

    int materialId() const { return m_materialId; }
    void setMaterialId(int materialId) { m_materialId = materialId; }

    /*! The texts of a system material in every language the catalogue delivers; empty for any other material.
        Only the system material files store them: a project, a user material or a database construction keeps
        the one name, notes and data source that were shown. */
    const CatalogueTexts &catalogueTexts() const { return m_catalogueTexts; }
    void setCatalogueTexts(const QString &languageId, const Texts &texts) { m_catalogueTexts[languageId] = texts; }
    void clearCatalogueTexts() { m_catalogueTexts.clear(); }
    /*! Takes name, notes and data source from the catalogue texts of \a languageId, or of English when the
        catalogue has none in that language; a material without catalogue texts stays as it is. */
    void showLanguage(const QString &languageId);
    /*! The names of the catalogue texts other than the shown name, for searching in any language. */
    QStringList otherNames() const;

    /*! True when the material can be used in the calculation. */
    bool isValid() const;

    /*! Thermal conductivity in W/(m K) the calculation uses for a layer of width d (m) and heat flow direction:
        lambda, or for a non-ventilated air space d / R(d) with R of DIN EN ISO 6946 interpolated linearly. */
    double effectiveLambda(double width, HeatFlowDirection heatFlowDirection) const;
    /*! Diffusion resistance factor for a layer of width d (m): mu, or for an air space min(1, 0.01 / d) so that
        the equivalent thickness never exceeds 0.01 m. */
    double effectiveMu(double width) const;

    /*! Every value the calculation, the window and the files use, doubles exactly; not the identity (materialId),
        which each database assigns anew, nor the catalogue's dates and its texts in the languages not shown. */
    bool operator==(const Material &other) const;
    bool operator!=(const Material &other) const { return !(*this == other); }

    /*! Translated name of a category; "Unknown" for any id outside 0..12. */
    static QString categoryName(int category);
    /*! Translated names of the categories 0..12 in id order. */
    static QStringList categoryNames();
    /*! Id 0..12 whose translated name equals the text, else -1. */
    static int categoryFromName(const QString &name);

    /*! Reads the "Material" element the reader stands on; raises the reader error and returns false on a
        malformed colour or number. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes one empty "Material" element with all attributes. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! Reads one "MATERIAL_DEFINITION" block of a legacy project file up to and including its "}" into a fresh
        record with a random colour (the id is kept); \a version is the file version. False with the error text
        at the first error. */
    bool readOld(std::istream &in, const QString &version, QString &errorText);

    /*! Reads a binary record of the given version (1..4); the id is not part of the record. */
    bool readBinary(QDataStream &in, int version, int materialId);
    /*! Makes the texts XML-safe where they enter from files of any origin (legacy files and lists, databases),
        so that a project holding the material can always be saved; each changed field is logged. */
    void cleanTexts();
    void writeBinary(QDataStream &out, int version) const;

private:
    bool hasFlag(MaterialFlag flag) const { return m_flags.count(flag) != 0; }
    bool readColorAttribute(QXmlStreamReader &reader);
    void readFlagAttributes(QXmlStreamReader &reader);

    QString m_name;
    int m_category = UnknownCategory;
    QColor m_color;
    QString m_notes;
    QString m_productName;
    QString m_producer;
    QString m_dataSource;
    double m_rho = 0;
    double m_mu_min = 0;
    double m_mu_max = 0;
    double m_w_80 = 0;
    double m_w_sat = 0;
    double m_sd_value = 0;
    QDate m_measuringDate;
    QDate m_samplingDate;
    QDate m_productionDate;
    double m_Aw = 0;
    double m_lambda = 0;
    double m_mu = 0;
    std::set<MaterialFlag> m_flags;
    int m_materialId = 0;
    CatalogueTexts m_catalogueTexts;
};

#endif // MaterialH
