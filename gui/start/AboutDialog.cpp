#include "gui/start/AboutDialog.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "config/MachineFacts.h"
#include "gui/start/SplashWindow.h"

namespace winpiruk {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(QStringLiteral("ぴるく のﾊﾞｰｼﾞｮﾝ情報"));
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setHorizontalSpacing(16);

  Picture2 = new QLabel(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
  Label1 = new QLabel(ProgramBanner(), this);
  Label1->setObjectName(QStringLiteral("Label1"));

  auto line = [this] {
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    return separator;
  };
  Label2 = new QLabel(QStringLiteral("Processor Type :\nNumber of Processors :\nTotal Memory :"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label3 = new QLabel(QString::fromStdString(MachineFactsText(ReadMachineFacts())).trimmed(), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

  layout->addWidget(Picture2, 0, 0, Qt::AlignTop);
  layout->addWidget(Label1, 0, 1, 1, 2);
  layout->addWidget(line(), 1, 0, 1, 3);
  layout->addWidget(Label2, 2, 0, 1, 2);
  layout->addWidget(Label3, 2, 2);
  layout->addWidget(line(), 3, 0, 1, 3);
  layout->addWidget(Command1, 4, 2, Qt::AlignRight);
  setFixedSize(sizeHint());
}

}  // namespace winpiruk
