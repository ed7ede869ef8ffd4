#ifndef AssessmentConditionsH
#define AssessmentConditionsH

// Climate boundary conditions and periods of a project: the interior and exterior climates of the
// condensation (winter) and drying (summer) periods, the period lengths and the summer vapour pressures.
// The conditions type (custom, DIN 4108-3 2001, DIN 4108-3 2014/2018) is derived from the values and
// recomputed after every change; applyType() sets the values to match a chosen type.
// Read by the calculation, edited by the climate and assessment editors, stored in the project file.

#include "calculation/ClimatePresets.h"

#include <QCoreApplication>
#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

class AssessmentConditions {
    Q_DECLARE_TR_FUNCTIONS(AssessmentConditions)
public:
    /*! Periods a single-quantity setter applies to. */
    enum Season { Winter = 0, Summer = 1, BothSeasons = 2 };
    /*! Quantity of a climate record addressed by a single-quantity setter. */
    enum Quantity { Temperature = 0, RelativeHumidity = 1, SurfaceResistance = 2 };
    /*! Preset id passed to applyType() when no preset is preferred. */
    static const int NoPreferredPreset = 17;

    /*! All climates zero, summer pressures 1200 / 1200 Pa and 1700 Pa, then applyType(2). */
    AssessmentConditions();

    const ClimateRecord &interiorWinter() const { return m_interiorWinter; }
    const ClimateRecord &interiorSummer() const { return m_interiorSummer; }
    const ClimateRecord &exteriorWinter() const { return m_exteriorWinter; }
    const ClimateRecord &exteriorSummer() const { return m_exteriorSummer; }
    void setInteriorWinter(const ClimateRecord &climate);
    void setInteriorSummer(const ClimateRecord &climate);
    void setExteriorWinter(const ClimateRecord &climate);
    void setExteriorSummer(const ClimateRecord &climate);

    /*! Sets one quantity (°C, %, m2K/W) of the interior climate in winter, summer or both. */
    void setInterior(Quantity quantity, Season season, double value);
    /*! Sets one quantity (°C, %, m2K/W) of the exterior climate in winter, summer or both. */
    void setExterior(Quantity quantity, Season season, double value);

    /*! Interior winter temperature in °C. */
    double T_i() const { return m_interiorWinter.T; }
    /*! Interior winter relative humidity in %. */
    double rh_i() const { return m_interiorWinter.rh; }
    /*! Interior (winter) surface resistance in m2K/W. */
    double Rsi() const { return m_interiorWinter.Rs; }
    double T_i_summer() const { return m_interiorSummer.T; }
    double rh_i_summer() const { return m_interiorSummer.rh; }
    double Rsi_summer() const { return m_interiorSummer.Rs; }
    double T_e() const { return m_exteriorWinter.T; }
    double rh_e() const { return m_exteriorWinter.rh; }
    /*! Exterior (winter) surface resistance in m2K/W. */
    double Rse() const { return m_exteriorWinter.Rs; }
    double T_e_summer() const { return m_exteriorSummer.T; }
    double rh_e_summer() const { return m_exteriorSummer.rh; }
    double Rse_summer() const { return m_exteriorSummer.Rs; }

    /*! Length of the condensation period: days when inDays is true, else seconds (days * 24 * 3600). */
    double tT(bool inDays = true) const;
    /*! Length of the drying period: days when inDays is true, else seconds. */
    double tT_summer(bool inDays = true) const;
    /*! Sets the condensation period in days. */
    void setTT(double days);
    /*! Sets the drying period in days. */
    void setTT_summer(double days);

    /*! Vapour pressure inside during the drying period of the 2014/2018 type, Pa. */
    double pInsideSummer() const { return m_pInsideSummer; }
    /*! Vapour pressure outside during the drying period of the 2014/2018 type, Pa. */
    double pOutsideSummer() const { return m_pOutsideSummer; }
    /*! Saturation pressure in the condensation plane during the drying period of the 2014/2018 type, Pa. */
    double pSatSummer() const { return m_pSatSummer; }

    /*! The conditions type (AssessmentType), recomputed after every change of a value. */
    int type() const { return m_type; }
    /*! Sets the winter climates to presets of the type (keeping current presets that belong to it, or taking
        preferredPreset where it belongs to the type) and, for types 1 and 2, the periods and summer climates. */
    void applyType(int type, int preferredPreset = NoPreferredPreset);
    /*! Translated name of a conditions type; "Unknown condition" for any other value. */
    static QString typeName(int type);

    /*! True when all temperatures lie in [-40, 80] °C, all humidities in [0, 100] %, the winter surface
        resistances are > 0 and both periods are > 0; every value must be finite. */
    bool isValid() const;

    /*! Every climate, period, summer pressure and the type equal. */
    bool operator==(const AssessmentConditions &other) const;
    bool operator!=(const AssessmentConditions &other) const { return !(*this == other); }

    /*! Reads the "Climate" element the reader stands on (surface resistances from "alpha_i"/"alpha_e" as
        1 / alpha); afterwards both summer surface resistances equal the winter ones. False when a value is out
        of range (the values are stored all the same). */
    bool readClimateXML(QXmlStreamReader &reader);
    /*! Reads the "Options" element (periods in days); false when a period is <= 0. */
    bool readOptionsXML(QXmlStreamReader &reader);
    /*! Writes the "Climate" and "Options" elements. */
    void writeXML(QXmlStreamWriter &writer) const;

private:
    /*! Derives the conditions type from the current values. */
    int detectType() const;
    void updateType() { m_type = detectType(); }
    static void setQuantity(ClimateRecord &climate, Quantity quantity, double value);

    ClimateRecord m_interiorWinter;
    ClimateRecord m_interiorSummer;
    ClimateRecord m_exteriorWinter;
    ClimateRecord m_exteriorSummer;
    /*! Condensation period in days. */
    double m_tT = 0;
    /*! Drying period in days. */
    double m_tT_summer = 0;
    double m_pInsideSummer = 1200;
    double m_pOutsideSummer = 1200;
    double m_pSatSummer = 1700;
    int m_type = AT_Custom;
};

#endif // AssessmentConditionsH
