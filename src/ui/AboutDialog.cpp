#include "AboutDialog.h"

#include "MainWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

#include <model/ProgramInfo.h>

namespace {

// Addresses in a reserved domain until the publisher's own are known: a made-up address could belong to a
// stranger, and a user's mail or bug report would reach them.
const char *const WebSite = "https://hygrolux.example.org";
const char *const EMail = "support@hygrolux.example.org";
const char *const FeedbackSite = "https://hygrolux.example.org/feedback";
// Links in the yellow of the picture's "2 Pro": as readable on the blue as the white text.
const char *const LinkColour = "#ffd84d";
// Room for the version in the free lower left of the picture, below the program's name.
const int VersionTop = 150;
const int Margin = 24;
const int BandHeight = 120;
// The drawing's drop and curves reach into the picture's lower right: the subtitle wraps before them.
const int DrawingMargin = 90;

QLabel *whiteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent), m_picture(QStringLiteral(":/VARNHOLT_Hygrolux_2_Startbild-1_400x250.png")) {
    const QString program = ProgramInfo::productName();
    setWindowTitle(tr("About %1").arg(program));

    auto *version =
        whiteLabel(QStringLiteral("<b>%1</b><br>%2").arg(program, tr("Version %1").arg(ProgramInfo::version())), this);
    version->setObjectName(QStringLiteral("labelVersion"));
    auto *subtitle = whiteLabel(tr("A software for hygrothermal evaluation of building envelope systems"), this);
    subtitle->setObjectName(QStringLiteral("labelSubtitle"));
    subtitle->setContentsMargins(0, 0, DrawingMargin, 0);
    const QString link = QStringLiteral("<a style=\"color:%1\" href=\"%2\">%3</a>").arg(QLatin1String(LinkColour));
    auto *contact =
        whiteLabel(QStringLiteral("%1<br>%2<br>%3")
                       .arg(link.arg(QLatin1String(WebSite), QLatin1String(WebSite)),
                            link.arg(QStringLiteral("mailto:") + QLatin1String(EMail), QLatin1String(EMail)),
                            link.arg(QLatin1String(FeedbackSite), tr("Feedback or bug reports..."))),
                   this);
    contact->setObjectName(QStringLiteral("label"));
    contact->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(contact, &QLabel::linkActivated, this, &AboutDialog::label_linkActivated);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *help = new QAction(this);
    help->setObjectName(QStringLiteral("actionHelp"));
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margin, VersionTop, Margin, Margin / 2);
    layout->addWidget(version);
    layout->addWidget(subtitle);
    layout->addSpacing(Margin / 2);
    layout->addWidget(contact);
    layout->addStretch();
    layout->addWidget(buttons);
    QMetaObject::connectSlotsByName(this);
    // The width of the picture; as high as the texts need (longer in some languages), at least with the band.
    setFixedWidth(m_picture.width());
    setFixedHeight(qMax(m_picture.height() + BandHeight, layout->heightForWidth(m_picture.width())));
}

void AboutDialog::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    // The picture's lower edge darkens towards its top colour, so that the text below stays as legible as on it.
    const int bottom = m_picture.height();
    QLinearGradient band(0, bottom, 0, height());
    band.setColorAt(0, m_picture.pixelColor(0, bottom - 1));
    band.setColorAt(1, m_picture.pixelColor(0, 0));
    painter.fillRect(QRect(0, bottom, width(), height() - bottom), band);
}

void AboutDialog::label_linkActivated(const QString &link) {
    QDesktopServices::openUrl(QUrl(link));
}

void AboutDialog::on_actionHelp_triggered() {
    if (auto *window = qobject_cast<MainWindow *>(parentWidget()))
        window->showHelp(0);
}
