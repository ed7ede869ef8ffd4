#ifndef XMLHelpersH
#define XMLHelpersH

// Typed attribute access for the XML readers and writers of the model (materials, project file).
// Readers raise the stream reader's error and do nothing once the reader has an error.

#include <QCoreApplication>
#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

class XMLHelpers {
    Q_DECLARE_TR_FUNCTIONS(XMLHelpers)
public:
    /*! Converts the attribute text (C-locale number syntax) into value; a missing attribute leaves value as it
        is; a malformed one raises "Invalid value for attribute '%1'." and stores the failed conversion (0). */
    static void readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value);
    /*! As readDoubleAttribute for a decimal integer. */
    static void readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value);
    /*! Text of the current element, or empty when the reader already has an error. */
    static QString readElementText(QXmlStreamReader &reader);
    /*! Skips the current element with all descendants. */
    static void readUnknownElement(QXmlStreamReader &reader);

    /*! Number text as stored in files: general format, 6 significant digits, dot as decimal separator. */
    static QString doubleToString(double value);
    /*! Writes a double attribute in the file number format. */
    static void writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value);
};

#endif // XMLHelpersH
