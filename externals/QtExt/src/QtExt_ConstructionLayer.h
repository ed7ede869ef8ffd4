#ifndef QtExt_ConstructionLayerH
#define QtExt_ConstructionLayerH

// One layer of the construction sketch as the caller hands it in: width, text, colour, the caller's own
// identifier and the hatch pattern (0 none, 1..7, see GraphicsRectItemWithHatch).

#include <QColor>
#include <QString>

namespace QtExt {

struct ConstructionLayer {
    /*! Thickness in m. */
    double m_width = 0.0;
    QString m_name;
    QColor m_color = Qt::white;
    int m_id = -1;
    int m_hatch = 0;

    bool operator==(const ConstructionLayer &other) const {
        return m_width == other.m_width && m_name == other.m_name && m_color == other.m_color && m_id == other.m_id &&
               m_hatch == other.m_hatch;
    }
    bool operator!=(const ConstructionLayer &other) const { return !(*this == other); }
};

} // namespace QtExt

#endif // QtExt_ConstructionLayerH
