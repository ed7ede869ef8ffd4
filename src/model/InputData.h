#ifndef InputDataH
#define InputDataH

// Input of one assessment case: the layer sequence (interior side first), the climate boundary conditions,
// the assessment choices and the status of the last input check. Held by the document, read by the
// calculation and the criteria.

#include "AssessmentChoices.h"
#include "AssessmentConditions.h"
#include "MaterialLayer.h"

#include <QCoreApplication>
#include <QVector>

#include <iosfwd>
#include <optional>

class ReportSettings;

class QXmlStreamReader;
class QXmlStreamWriter;

/*! Result of the input check: what keeps the calculation from running. The number is what the batch tool's
    output shows. */
enum class InputStatus { Valid = 0, InvalidWidth = 1, InvalidMaterial = 2, InvalidClimate = 3 };

class InputData {
    Q_DECLARE_TR_FUNCTIONS(InputData)
public:
    /*! Layers, interior (left) side first. */
    const QVector<MaterialLayer> &layers() const { return m_layers; }
    QVector<MaterialLayer> &layers() { return m_layers; }

    const AssessmentConditions &conditions() const { return m_conditions; }
    AssessmentConditions &conditions() { return m_conditions; }

    /*! The project's own assessment choices; none for a file written before projects carried them. */
    const std::optional<AssessmentChoices> &assessment() const { return m_assessment; }
    void setAssessment(const std::optional<AssessmentChoices> &choices) { m_assessment = choices; }
    /*! \a settings with the project's assessment choices in place of their defaults; \a settings unchanged
        when the project has none. The criteria evaluation and the report judge by this. */
    ReportSettings withAssessment(const ReportSettings &settings) const;

    /*! Status of the last check(). */
    InputStatus inputStatus() const { return m_inputStatus; }
    /*! Lets readers of project files mark input they found invalid. */
    void setInputStatus(InputStatus status) { m_inputStatus = status; }

    /*! Recomputes and returns the input status: InvalidClimate, overridden by the first layer with width <= 0
        (InvalidWidth) or with an invalid material (InvalidMaterial). */
    InputStatus check();
    /*! What the input status names, for the user: the first layer with an invalid width or material (with a
        "layer-N" link) or the climate; empty for valid input. */
    QString checkMessage() const;

    /*! Same layers (material and width) position by position; conditions and status may differ. */
    bool sameLayers(const InputData &other) const { return m_layers == other.m_layers; }
    /*! Same layers, conditions, assessment choices and input status. */
    bool operator==(const InputData &other) const;
    bool operator!=(const InputData &other) const { return !(*this == other); }

    /*! Reads the "InputData" element the reader stands on: layers ordered by their "index" attribute,
        climates, periods and assessment choices; invalid widths, materials or climates set the input status. True when
        the reader has no error. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes the "InputData" element. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! Reads the "CLIMATE_LIST" block of a legacy project file after its "{": four climates (interior winter,
        interior summer, exterior winter, exterior summer), up to and including the closing "}". False with the
        error text; a wrong number of climates also sets the input status InvalidClimate. */
    bool readClimateOld(std::istream &in, QString &errorText);
    /*! Reads the "STRUCTURE" block of a legacy project file after its "{" and appends its layers in file
        order, up to and including the closing "}". False with the error text. */
    bool readConstructionOld(std::istream &in, const QString &version, QString &errorText);

private:
    QVector<MaterialLayer> m_layers;
    AssessmentConditions m_conditions;
    std::optional<AssessmentChoices> m_assessment;
    InputStatus m_inputStatus = InputStatus::Valid;
};

#endif // InputDataH
