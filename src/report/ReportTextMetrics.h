#ifndef ReportTextMetricsH
#define ReportTextMetricsH

// Line heights of the report's text styles on the current paint device, measured once per device change.
// Every report frame holds one and takes its spacing from it.

#include <QFont>
#include <QTextDocument>

#include <array>

class QPaintDevice;

class ReportTextMetrics {
public:
    /*! Text styles: plain body text and the markup the frames use. */
    enum TextStyle { Body, H1, H2, H3, H4, Small, NumStyles };

    /*! Metrics of the report font \a family at \a pointSize (<= 0: the default size), kerning off. */
    ReportTextMetrics(const QString &family, double pointSize);

    /*! Binds the layout to \a device and measures again when the device or its resolution changed. */
    void setPaintDevice(QPaintDevice *device);

    /*! Height, ascent and descent of the first line of a style, whole device pixels. */
    int height(TextStyle style) const { return m_height[style]; }
    int ascent(TextStyle style) const { return m_ascent[style]; }
    int descent(TextStyle style) const { return m_descent[style]; }
    /*! Vertical gap between the parts of a frame: half a body line. */
    int spacing() const { return m_height[Body] / 2; }

    const QFont &font() const { return m_font; }

private:
    void measure();

    QFont m_font;
    QTextDocument m_textDocument;
    QPaintDevice *m_device = nullptr;
    int m_deviceDpi = 0;
    std::array<int, NumStyles> m_height{};
    std::array<int, NumStyles> m_ascent{};
    std::array<int, NumStyles> m_descent{};
};

#endif // ReportTextMetricsH
