#include "StudyChartView.h"

#include <QPainter>

StudyChartView::StudyChartView(QWidget *parent) : QWidget(parent) {
    setMinimumSize(500, 280);
}

void StudyChartView::setContent(const StudyChart::Content &content) {
    m_content = content;
    update();
}

void StudyChartView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    StudyChart::draw(painter, QRectF(rect()), m_content);
}
