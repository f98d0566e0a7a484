#include "gui/common/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/common/Messages.h"
#include "gui/common/SpokenNames.h"
#include "gui/common/Language.h"

namespace winpiruk {

QString HelpContentsPath(const std::string& program_directory) {
  QString directory = QString::fromStdString(program_directory);
  while (directory.size() > 1 && directory.endsWith(QLatin1Char('/'))) directory.chop(1);
  const QString japanese = directory + QStringLiteral("/help/index.html");
  if (gui::CurrentLanguage() != gui::Language::English) return japanese;
  // An English reader is better served by the Japanese page than by none.
  const QString english = directory + QStringLiteral("/help/en/index.html");
  return QFileInfo(english).isFile() ? english : japanese;
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("ぴるく  - ヘルプ -"));
  // Help stays open beside the table while the user plays.
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(640, 560);

  Browser = new QTextBrowser(this);
  Browser->setOpenExternalLinks(false);
  Contents = new QPushButton(tr("目次(&C)"), this);
  Back = new QPushButton(tr("戻る(&B)"), this);
  CloseButton = new QPushButton(tr("閉じる"), this);
  Back->setEnabled(false);
  Browser->setObjectName(QStringLiteral("helpPage"));
  Contents->setObjectName(QStringLiteral("contentsButton"));
  Back->setObjectName(QStringLiteral("backButton"));
  CloseButton->setObjectName(QStringLiteral("closeButton"));
  NameAfter(*Browser, tr("ヘルプ"));
  // The buttons stand above the page: Tab reaches them first.
  TabInOrder({Contents, Back, CloseButton, Browser});

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Contents);
  buttons->addWidget(Back);
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(Browser);

  connect(Contents, &QPushButton::clicked, Browser, [this] { Browser->scrollToAnchor(kHelpContents); });
  connect(Back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Browser, &QTextBrowser::backwardAvailable, Back, &QPushButton::setEnabled);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

bool HelpWindow::OpenContents(const QString& page_path) { return OpenSection(page_path, kHelpContents); }

bool HelpWindow::OpenSection(const QString& page_path, const QString& section) {
  const QFileInfo page(page_path);
  if (!page.isFile() || !page.isReadable()) {
    Browser->clear();
    return false;
  }
  QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
  url.setFragment(section);
  Browser->setSource(url, QTextDocument::HtmlResource);
  Browser->clearHistory();
  return true;
}

void ShowHelpContents(QWidget* parent, const std::string& program_directory) {
  ShowHelpSection(parent, program_directory, kHelpContents);
}

void ShowHelpSection(QWidget* parent, const std::string& program_directory, const QString& section) {
  const QString page = HelpContentsPath(program_directory);
  HelpWindow* window = parent ? parent->findChild<HelpWindow*>(QStringLiteral("HelpWindow"), Qt::FindDirectChildrenOnly)
                              : nullptr;
  const bool opened_now = window == nullptr;
  if (opened_now) window = new HelpWindow(parent);
  if (!window->OpenSection(page, section)) {
    if (opened_now) window->deleteLater();
    ShowMessage(parent, ProgramTitle(), HelpWindow::tr("「 %1 」というファイルが見つかりません。").arg(page),
                QMessageBox::Critical);
    return;
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace winpiruk
