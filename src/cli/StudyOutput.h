#ifndef StudyOutputH
#define StudyOutputH

// The rows of a variant study as the command-line tool prints them: an aligned text table, CSV or JSON. The
// criteria columns are the rows of the criteria evaluation; the JSON carries them as "calc" does.

#include <calculation/VariantStudy.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

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
    static QByteArray csv(const std::vector<VariantStudy::Row> &rows);
    static QByteArray json(const StudyDescription &study, const std::vector<VariantStudy::Row> &rows,
                           const std::optional<VariantStudy::Limit> &limit);
    /*! The sentence printed for the result of the limit search. */
    static QString limitText(const VariantStudy::Limit &limit, const QString &unit);
};

#endif // StudyOutputH
