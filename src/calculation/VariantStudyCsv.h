#ifndef VariantStudyCsvH
#define VariantStudyCsvH

// The rows and the limit of a variant study as CSV, and the verdict columns they share with the text table:
// written alike by the command-line tool and the study dialog's export.

#include "VariantStudy.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class VariantStudyCsv {
public:
    /*! The criteria in column order. */
    static const std::vector<DINCriterion::Kind> &columns();
    /*! The key of a criterion in JSON and CSV ("minimumResistance", "frsi", "condensate", ...). */
    static QByteArray key(DINCriterion::Kind kind);
    /*! "yes", "no", "n/a" (not assessed) or "-" (not evaluated for this construction). */
    static QString verdict(const std::vector<DINCriterion> &criteria, DINCriterion::Kind kind);
    /*! "yes", "no" or "n/a". */
    static QString verdict(const std::optional<bool> &allFulfilled);

    /*! One header line whose first field is \a valueHeader (quantity and unit), one line per row with numbers in
        their shortest exact form, then the limit as comment lines: "# limit,KIND,count,N,relativeTolerance,T"
        and, after "# change,scanPassing,scanFailing,passing,failing,tolerance,flipped", one "# change,..." line
        per change, the flipped criteria keys (and "basis") separated by spaces. */
    static QByteArray text(const QString &valueHeader, const std::vector<VariantStudy::Row> &rows,
                           const VariantStudy::Limit *limit);

    /*! Shortest text that reads back as the same double; empty when not finite. */
    static QByteArray number(double value);
    /*! "found", "allPass", "nonePass" or "noneJudged". */
    static QByteArray limitKind(VariantStudy::Limit::Kind kind);
};

#endif // VariantStudyCsvH
