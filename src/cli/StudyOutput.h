#ifndef StudyOutputH
#define StudyOutputH

// The rows of a variant study as the command-line tool prints them: an aligned text table, CSV or JSON. The
// criteria columns are the rows of the criteria evaluation; the JSON carries them as "calc" does.

#include <calculation/VariantStudy.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class JsonWriter;

#include <optional>
#include <vector>

struct StudyDescription {
    QString fileName;
    /*! Option name of the varied quantity ("width", "rh-inside", ...). */
    QString quantityName;
    /*! Layer counted from 1; 0 for the climate quantities. */
    int layer = 0;
    QString layerName;
    QString unit;
};

class StudyOutput {
    Q_DECLARE_TR_FUNCTIONS(StudyOutput)
public:
    static QByteArray text(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                           const std::optional<VariantStudy::Limit> &limit);
    /*! One header line naming the quantity and its unit, then one line per row, numbers in their shortest exact
        form; the limit follows as comment lines starting with "# limit," and "# change,". */
    static QByteArray csv(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                          const std::optional<VariantStudy::Limit> &limit);
    static QByteArray json(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                           const std::optional<VariantStudy::Limit> &limit);
    /*! The sentence printed for the result of the limit search. */
    static QString limitText(const VariantStudy::Limit &limit, const QString &unit);

private:
    /*! The "limit" object: kind, relative tolerance, count and every change with its scan pair, refined values,
        tolerance and what flipped. */
    static void writeLimit(JsonWriter &json, const VariantStudy::Limit &limit);
};

#endif // StudyOutputH
