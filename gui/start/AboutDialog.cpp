#include "gui/start/AboutDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "config/MachineFacts.h"
#include "gui/start/Banner.h"

namespace winpiruk {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(tr("ぴるく のﾊﾞｰｼﾞｮﾝ情報"));
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setHorizontalSpacing(16);

  QLabel* pictureLabel = AddPictureLabel(*this, style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
  QLabel* bannerLabel = AddBannerLabel(*this);

  auto line = [this] {
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    return separator;
  };
  auto* factCaptionsLabel = new QLabel(QStringLiteral("Processor Type :\nNumber of Processors :\nTotal Memory :"), this);
  factCaptionsLabel->setObjectName(QStringLiteral("factCaptionsLabel"));
  factCaptionsLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
  auto* machineFactsLabel = new QLabel(QString::fromStdString(MachineFactsText(ReadMachineFacts())).trimmed(), this);
  machineFactsLabel->setObjectName(QStringLiteral("machineFactsLabel"));
  auto* okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

  layout->addWidget(pictureLabel, 0, 0, Qt::AlignTop);
  layout->addWidget(bannerLabel, 0, 1, 1, 2);
  layout->addWidget(line(), 1, 0, 1, 3);
  layout->addWidget(factCaptionsLabel, 2, 0, 1, 2);
  layout->addWidget(machineFactsLabel, 2, 2);
  layout->addWidget(line(), 3, 0, 1, 3);
  layout->addWidget(okButton, 4, 2, Qt::AlignRight);
  setFixedSize(sizeHint());
}

}  // namespace winpiruk
