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
    /*! Raises "Invalid value for attribute '%1'." for a value outside the attribute's choices. */
    static void raiseInvalidValue(QXmlStreamReader &reader, const QString &name);
    /*! Text of the current element, or empty when the reader already has an error. */
    static QString readElementText(QXmlStreamReader &reader);
    /*! Skips the current element with all descendants. */
    static void readUnknownElement(QXmlStreamReader &reader);

    /*! Text that an XML 1.0 document can hold: C0 control characters other than tab, line feed and carriage
        return removed, U+FFFE, U+FFFF and unpaired surrogates replaced by U+FFFD. */
    static QString xmlSafeText(const QString &text);
    /*! Makes \a text XML-safe where it enters the program (legacy files, material lists, databases); when
        anything changed, a warning naming \a field goes to the log. True when the text was changed. */
    static bool cleanIncomingText(QString &text, const QString &field);
    /*! Writes a text element with XML-safe text; carriage returns are written as character references, which
        readers keep (a raw one would be turned into a line feed). */
    static void writeTextElement(QXmlStreamWriter &writer, const QString &name, const QString &text);
    /*! Writes an attribute with XML-safe text. */
    static void writeTextAttribute(QXmlStreamWriter &writer, const QString &name, const QString &text);

    /*! Number text as stored in files: general format with the fewest digits (at most 17 significant) that
        read back to the same double, dot as decimal separator. */
    static QString doubleToString(double value);
    /*! Writes a double attribute in the file number format. */
    static void writeDoubleAttribute(QXmlStreamWriter &writer, const QString &name, double value);
};

#endif // XMLHelpersH
