#ifndef InputDataH
#define InputDataH

// Input of one assessment case: the layer sequence (interior side first), the climate boundary conditions
// and the status of the last input check. Held by the document, read by the calculation.

#include "AssessmentConditions.h"
#include "MaterialLayer.h"

#include <QCoreApplication>
#include <QVector>

#include <iosfwd>

class QXmlStreamReader;
class QXmlStreamWriter;

class InputData {
    Q_DECLARE_TR_FUNCTIONS(InputData)
public:
    /*! Results of check(). */
    enum InputStatus { InputValid = 0, InvalidWidth = 1, InvalidMaterial = 2, InvalidClimate = 3 };

    /*! Layers, interior (left) side first. */
    const QVector<MaterialLayer> &layers() const { return m_layers; }
    QVector<MaterialLayer> &layers() { return m_layers; }

    const AssessmentConditions &conditions() const { return m_conditions; }
    AssessmentConditions &conditions() { return m_conditions; }

    /*! Status of the last check() (InputStatus). */
    int inputStatus() const { return m_inputStatus; }
    /*! Lets readers of project files mark input they found invalid. */
    void setInputStatus(int status) { m_inputStatus = status; }

    /*! Recomputes and returns the input status: 3 for invalid climate values, overridden by the first layer
        with width <= 0 (1) or with an invalid material (2). */
    int check();
    /*! What the input status names, for the user: the first layer with an invalid width or material (with a
        "layer-N" link) or the climate; empty for valid input. */
    QString checkMessage() const;

    /*! Same number of layers with pairwise equal widths and materials; conditions and status may differ. */
    bool sameLayers(const InputData &other) const;
    /*! Same layers, conditions and input status. */
    bool operator==(const InputData &other) const;
    bool operator!=(const InputData &other) const { return !(*this == other); }

    /*! Reads the "InputData" element the reader stands on: layers ordered by their "index" attribute,
        climates and periods; invalid widths, materials or climates set the input status 1, 2 or 3. True when
        the reader has no error. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes the "InputData" element. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! Reads the "CLIMATE_LIST" block of a legacy project file after its "{": four climates (interior winter,
        interior summer, exterior winter, exterior summer), up to and including the closing "}". False with the
        error text; a wrong number of climates also sets the input status 3. */
    bool readClimateOld(std::istream &in, QString &errorText);
    /*! Reads the "STRUCTURE" block of a legacy project file after its "{" and appends its layers in file
        order, up to and including the closing "}". False with the error text. */
    bool readConstructionOld(std::istream &in, const QString &version, QString &errorText);

private:
    QVector<MaterialLayer> m_layers;
    AssessmentConditions m_conditions;
    int m_inputStatus = InputValid;
};

#endif // InputDataH
