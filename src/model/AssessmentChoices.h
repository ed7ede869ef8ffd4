#ifndef AssessmentChoicesH
#define AssessmentChoicesH

// The rules a project is judged by: the DIN 4108-3 edition with its A_w limits, the drying reserve of
// DIN 68800-2 and the DIN 4108-2 checks. A project carries its own (element "Assessment" of the project file),
// so that it gets the same verdicts on every computer; the report settings hold the defaults for projects
// without them. Read by the criteria evaluation, edited through the assessment undo commands.

#include <QCoreApplication>

#include <calculation/PhysicalProperties.h>

class QXmlStreamReader;
class QXmlStreamWriter;

class AssessmentChoices {
    Q_DECLARE_TR_FUNCTIONS(AssessmentChoices)
public:
    /*! DIN 4108-3 editions of m_DIN4108_3Accordance_Type. */
    enum DIN4108_3Edition { DIN4108_3_2001, DIN4108_3_2014, DIN4108_3_2018, DIN4108_3_UserDefined };

    /*! Where the choices a verdict follows come from. */
    enum class Origin { Project, Defaults, CommandLine, ProjectAndCommandLine };

    /*! Water absorption limit in kg/(m2 h^0.5) of a DIN 4108-3 edition; 0 for user-defined or unknown. */
    static double awLimitForEdition(int edition);

    bool operator==(const AssessmentChoices &other) const;
    bool operator!=(const AssessmentChoices &other) const { return !(*this == other); }

    /*! Reads the attributes of the "Assessment" element the reader stands on and skips the element. A missing
        attribute keeps its value; a value outside its choices ("dinEdition" 0..3, "minResVersion" 0 or 1,
        "minResKind" a row of that table, flags 0 or 1, limits and reserve finite and >= 0) raises "Invalid value
        for attribute '%1'.". */
    void readXML(QXmlStreamReader &reader);
    /*! Writes the empty element "Assessment"; doubles in the file number format. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! "DIN 4108-3:2018, drying reserve 250 g/(m²·a)": the edition (with its A_w limit when user defined) and the
        drying reserve, for a line that names the rules of a verdict. */
    QString summary() const;
    /*! summary() followed by the origin in parentheses: "DIN 4108-3:2018, no drying reserve (project)". */
    QString inForceText(Origin origin) const;

    /*! One of DIN4108_3Edition. */
    int m_DIN4108_3Accordance_Type = DIN4108_3_2018;
    /*! A_w limit of non-capillary-active materials in kg/(m2 s^0.5), used by the user-defined edition. */
    double m_nonCapillarAw = awPerRootSecond(0.2);
    /*! A_w limit of capillary-active materials in kg/(m2 s^0.5). */
    double m_capillarActiveAw = awPerRootSecond(0.7);
    /*! Capillary check on one side (true) or both sides (false) of a condensation plane. */
    bool m_capillaryCheckOneSide = true;
    /*! Drying reserve in kg/(m2 a); 0 = no check. */
    double m_dryingReserve = 0;
    /*! Edition of the DIN 4108-2 minimum thermal resistance table: 0 = 2004, 1 = 2013. */
    int m_minimumHeatResVersion = 1;
    /*! Row (construction kind) of that table. */
    int m_minimumHeatResConstruction = 12;
    /*! Check the temperature factor fRsi. */
    bool m_frsiCheck = false;
};

#endif // AssessmentChoicesH
