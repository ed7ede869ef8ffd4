#ifndef ProjectInformationH
#define ProjectInformationH

// Descriptive data of a project (names, description, final remarks) and the heat flow direction
// that selects the air-space values. Part of the document; shown in the report. The application
// settings keep one instance as the defaults of new projects.

#include <QString>

class QSettings;
class QXmlStreamReader;
class QXmlStreamWriter;

/*! Direction of the heat flow through the construction; it selects the air-space values. The numbers are the
    ones project files and settings store. */
enum class HeatFlowDirection {
    /*! Horizontal construction, heat flows up. */
    Upwards = 0,
    /*! Horizontal construction, heat flows down. */
    Downwards = 1,
    /*! Vertical construction. */
    Horizontal = 2
};

class ProjectInformation {
public:
    /*! The direction a stored number names; Horizontal for any other number, since the direction indexes the
        air-space tables. */
    static HeatFlowDirection heatFlowDirection(int stored);

    /*! Reads the defaults of new projects from the group "ProjectDefaults/DefaultProjectSettings" of
        \a settings (which must be at top level); missing keys give the default values. */
    void readDefaults(QSettings &settings);
    /*! Writes the values as defaults of new projects into the same group. */
    void writeDefaults(QSettings &settings) const;

    /*! Reads the "ProjectInformation" element the reader stands on; the elements found overwrite their
        values, the others stay. */
    void readXML(QXmlStreamReader &reader);
    /*! Writes the "ProjectInformation" element with all seven values. */
    void writeXML(QXmlStreamWriter &writer) const;

    bool operator==(const ProjectInformation &other) const;
    bool operator!=(const ProjectInformation &other) const { return !(*this == other); }

    QString m_projectName;
    QString m_constructionID;
    QString m_userName;
    QString m_company;
    QString m_description;
    /*! Final remarks of the project (rich text). */
    QString m_disclaimerText;
    HeatFlowDirection m_heatFlowDirection = HeatFlowDirection::Horizontal;
};

#endif // ProjectInformationH
