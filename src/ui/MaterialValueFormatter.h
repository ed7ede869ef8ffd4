#ifndef MaterialValueFormatterH
#define MaterialValueFormatterH

// Text of a material parameter in the layer editor's fields: locale formatted without group separators,
// six significant digits (whole numbers up to seven digits in full), scientific notation below 1e-4.

#include <QtExt_FormatterBase.h>

class MaterialValueFormatter : public QtExt::FormatterBase {
public:
    QString formatted(double value) const override;
};

#endif // MaterialValueFormatterH
