#ifndef GlaserFrameH
#define GlaserFrameH

// Results of the Glaser scheme of DIN 4108-3 (frame id 12): periods, climates, where and how much condensate
// forms and how it dries. Where the criteria judge the Glaser figures, also the Glaser diagram and the table of
// the interface values.

#include "SceneFrame.h"

#include <QCoreApplication>

class GlaserFrame : public SceneFrame {
    Q_DECLARE_TR_FUNCTIONS(GlaserFrame)
public:
    GlaserFrame(Report *report, QTextDocument *textDocument);

    QRectF frameRect(QPaintDevice *device, double width) override;

    /*! "No condensate – no evaporation period", translated. */
    static QString noCondensateText();

private:
    /*! Per condensation plane or zone: its Glaser condensate and where it forms, the layers named. */
    QString condensatePlaces() const;
    void addClimateTable(bool condensation);
    /*! Per interface: theta, p_sat, p and the cumulative sd; condensation interfaces in bold. */
    void addInterfaceTable();
};

#endif // GlaserFrameH
