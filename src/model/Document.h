#ifndef DocumentH
#define DocumentH

// One open project: its input data, the calculation with its results and the project information,
// in this order. Owned by Project; copying a document copies all three parts.

#include "calculation/Calculation.h"
#include "InputData.h"
#include "ProjectInformation.h"

#include <QCoreApplication>

class QXmlStreamReader;
class QXmlStreamWriter;

class Document {
    Q_DECLARE_TR_FUNCTIONS(Document)
public:
    const InputData &inputData() const { return m_inputData; }
    InputData &inputData() { return m_inputData; }
    const Calculation &calculation() const { return m_calculation; }
    Calculation &calculation() { return m_calculation; }
    const ProjectInformation &projectInformation() const { return m_projectInformation; }
    ProjectInformation &projectInformation() { return m_projectInformation; }

    /*! Runs the input check and the calculation with the project's heat flow direction. */
    void recalculate();

    /*! Reads a project file: the input data start anew, the project information keeps what the file does not
        contain. Invalid input found in the file sets the result code InvalidInput. True when the reader has no
        error. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes the whole project file (declaration, document type, root "VaproProject" version "2.0"). */
    void writeXML(QXmlStreamWriter &writer) const;
    /*! Reads a project file of the previous program generation; false with the error text. */
    bool readOld(const QString &fileName, QString &errorText);

private:
    /*! Reads the children of the root element. */
    void readRootXML(QXmlStreamReader &reader);

    InputData m_inputData;
    Calculation m_calculation;
    ProjectInformation m_projectInformation;
};

#endif // DocumentH
