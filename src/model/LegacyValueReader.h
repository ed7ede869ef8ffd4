#ifndef LegacyValueReaderH
#define LegacyValueReaderH

// Values of the text formats of the previous program generation (legacy project files and material
// lists): numbers followed by a unit, converted into the units of the model, the old category names
// and the text encoding. Shared by the legacy project reader and the legacy material list import.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace ZOT {
class Exception;
}

class LegacyValueReader {
    Q_DECLARE_TR_FUNCTIONS(LegacyValueReader)
public:
    /*! Physical quantity of a value; selects the accepted units and the model unit. */
    enum Quantity {
        Temperature,               ///< °C; "C", "°C", "K", "F"
        RelativeHumidity,          ///< %; "%", "-" (fraction)
        Length,                    ///< m; "m", "dm", "cm", "mm"
        Period,                    ///< days; "s", "min", "h", "d", "a"
        SurfaceResistance,         ///< m2K/W; also heat transfer coefficients in W/(m2K), stored as 1/value
        Density,                   ///< kg/m3
        ThermalConductivity,       ///< W/(m K)
        DiffusionResistanceFactor, ///< "-"
        MoistureContent,           ///< m3/m3; "m3/m3", "-", "kg/m3" (water), "Vol%"
        WaterAbsorption            ///< kg/(m2 s^0.5); per h^0.5 units are divided by 60
    };

    /*! The two old text formats differ in what they accept: material lists allow a value without unit (except
        A_w), compare units without regard to case, know a few more unit spellings ("%", "kg/m^3", ...) and
        category names written without umlauts ("Daemmstoffe"); project files know the unit "---". */
    enum Format { ProjectFile = 1, MaterialList = 2 };

    /*! Reads "number unit" from text (the unit may consist of several tokens, they are joined) and stores
        the number converted into the model unit of the quantity. Returns false when the text does not
        start with a finite number (dot or comma as decimal separator); throws ZOT::Exception when the unit
        is missing (where the format needs one) or not one of the quantity in that format. */
    static bool readValue(const QString &text, Quantity quantity, double &value, Format format = ProjectFile);

    /*! Category id of an old category name of the format (prefix match), else of a current category name,
        else 13. */
    static int categoryFromLegacyName(const QString &text, Format format = ProjectFile);

    /*! Old files were written in the Windows code page, newer ones may be UTF-8: decodes UTF-8 when the
        bytes are valid UTF-8, else Windows-1252. */
    static QString decodeText(const std::string &bytes);

    /*! Location prefix of the legacy readers' error texts: "[Class::function]  " followed by text. */
    static QString located(const char *where, const QString &text);
    /*! The exception's messages, innermost first, each as "where  what", joined by line breaks. */
    static QString exceptionText(const ZOT::Exception &ex);
};

#endif // LegacyValueReaderH
