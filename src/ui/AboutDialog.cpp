#include "AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <model/ProgramInfo.h>

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent) {
    const QString program = ProgramInfo::productName();
    setWindowTitle(tr("About %1").arg(program));
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/VARNHOLT_Hygrolux_2_Startbild-1_400x250.png")));
    auto *text = new QLabel(QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p>")
                                .arg(program, tr("Version %1").arg(ProgramInfo::version()),
                                     tr("A software for hygrothermal evaluation of building envelope systems")),
                            this);
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(text);
    layout->addWidget(buttons);
}
