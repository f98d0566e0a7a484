#include "gui/appearance/BackgroundDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "presentation/Appearance.h"
#include "gui/appearance/SettingsWindowParts.h"
#include "gui/common/Awaiting.h"
#include "gui/common/Colours.h"
#include "gui/common/EnterKey.h"
#include "gui/common/FileChooser.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/Twips.h"

namespace winpiruk {
namespace {

constexpr int kPreviewWidth = 264;
constexpr int kButtonWidth = 96;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString PictureFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QSize DesignTable() { return {PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips)}; }

}  // namespace

QStringList BackgroundPictureFilters() {
  QStringList filters;
  for (const char* format : {"bmp", "png", "jpg", "jpeg", "gif"}) {
    if (QImageReader::supportedImageFormats().contains(format)) filters << QStringLiteral("*.") + QLatin1String(format);
  }
  return filters;
}

QImage BackgroundPreview(const QImage& picture, bool auto_size, const QSize& table, const QSize& preview) {
  QImage shown(preview, QImage::Format_RGB32);
  shown.fill(TableFeltColour());
  if (picture.isNull() || table.isEmpty()) return shown;
  QPainter painter(&shown);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (auto_size) {
    painter.drawImage(shown.rect(), picture);
  } else {
    const double scale = static_cast<double>(preview.width()) / table.width();
    painter.drawImage(QRectF(0, 0, picture.width() * scale, picture.height() * scale), picture);
  }
  return shown;
}

BackgroundDialog::BackgroundDialog(GameState& state, const ProgramPaths& paths, DrawBackground draw, const QSize& table, QWidget* parent)
    : QDialog(parent),
      state_(state),
      paths_(paths),
      draw_(std::move(draw)),
      table_(table.isEmpty() ? DesignTable() : table),
      wallpaper_(state.settings.GameWallPaper),
      auto_size_(state.settings.WallPaperAutoSize),
      wallpaper_at_open_(state.settings.GameWallPaper),
      auto_size_at_open_(state.settings.WallPaperAutoSize) {
  setObjectName(QStringLiteral("BackgroundDialog"));
  setWindowTitle(tr("ぴるく  - 盤面背景設定 -"));
  BuildControls();
  BuildLayout();
  ShowOpeningChoices();
  ConnectControls();
  FinishSettingsWindow(*this, paths_.program_directory, QSize(720, 430));
}

BackgroundDialog::~BackgroundDialog() { runs_.StopAll(); }

void BackgroundDialog::BuildControls() {
  pictureChooser = new FileChooser(BackgroundPictureFilters(), this);
  NameChooserParts(*pictureChooser, QStringLiteral("picture"));
  pictureFileList = pictureChooser->FileList();
  fileNameLabel = new QLabel(this);
  fileNameLabel->setObjectName(QStringLiteral("fileNameLabel"));

  previewFrame = new QGroupBox(tr("プレビュー"), this);
  previewFrame->setObjectName(QStringLiteral("previewFrame"));
  previewPicture = new QLabel(previewFrame);
  previewPicture->setObjectName(QStringLiteral("previewPicture"));
  const int preview_height = kPreviewWidth * table_.height() / table_.width();
  previewPicture->setFixedSize(kPreviewWidth, std::clamp(preview_height, 60, 2 * kPreviewWidth));
  previewPicture->setFrameShape(QFrame::Panel);
  previewPicture->setFrameShadow(QFrame::Sunken);
  previewPicture->setLineWidth(1);
  auto* preview_box = new QVBoxLayout(previewFrame);
  preview_box->addWidget(previewPicture, 0, Qt::AlignCenter);
  autoSizeCheck = new QCheckBox(tr("自動サイズ調整"), this);
  autoSizeCheck->setObjectName(QStringLiteral("autoSizeCheck"));

  applyButton = NamedButton(this, QStringLiteral("applyButton"), tr("更新(&A)"), kButtonWidth);
  plainButton = NamedButton(this, QStringLiteral("plainButton"), tr("無地(&N)"), kButtonWidth);
  const ClosingButtons closing = MakeClosingButtons(this);
  okButton = closing.ok;
  cancelButton = closing.cancel;
}

void BackgroundDialog::BuildLayout() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(10);
  grid->addWidget(pictureChooser, 0, 0, 3, 1);
  grid->addWidget(previewFrame, 0, 1);
  grid->addWidget(autoSizeCheck, 1, 1);
  auto* table_buttons = new QHBoxLayout;
  table_buttons->addWidget(applyButton);
  table_buttons->addWidget(plainButton);
  table_buttons->addStretch(1);
  grid->addLayout(table_buttons, 2, 1, Qt::AlignTop);
  grid->addWidget(fileNameLabel, 3, 0);
  grid->addLayout(ClosingRow({okButton, cancelButton}), 3, 1);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(2, 1);
}

void BackgroundDialog::ShowOpeningChoices() {
  // The window as it opens: the folder of the picture in use, and the picture.
  autoSizeCheck->setChecked(auto_size_ == 1);
  const QString wallpaper = Text(wallpaper_);
  if (wallpaper.isEmpty()) {
    pictureChooser->SetFolder(PictureFolder());
  } else {
    pictureChooser->SelectFile(wallpaper);
    picture_.load(wallpaper);
  }
  ShowFileName();
  ShowPreview();
}

void BackgroundDialog::ConnectControls() {
  // What may tell the user something waits for the message in a run of the window's own.
  connect(pictureChooser, &FileChooser::FileClicked, this,
          [this](const QString& path) { runs_.Start([this, path] { ChooseFile(path); }); });
  connect(pictureChooser, &FileChooser::FileDoubleClicked, this,
          [this](const QString& path) { runs_.Start([this, path] { ChooseAndDrawFile(path); }); });
  connect(autoSizeCheck, &QCheckBox::toggled, this, &BackgroundDialog::OnAutoSizeToggled);
  connect(applyButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnApply(); }); });
  connect(plainButton, &QPushButton::clicked, this, &BackgroundDialog::OnPlain);
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  connect(cancelButton, &QPushButton::clicked, this, &BackgroundDialog::reject);
  EnterMovesFocusTo(*pictureFileList, *okButton);
}

void BackgroundDialog::ShowFileName() {
  fileNameLabel->setText(tr("ﾌｧｲﾙ名 : %1").arg(QFileInfo(Text(wallpaper_)).fileName()));
  fileNameLabel->setToolTip(Text(wallpaper_));
}

void BackgroundDialog::ShowPreview() {
  const bool shown = !wallpaper_.empty();
  const QImage preview = BackgroundPreview(shown ? picture_ : QImage(), auto_size_ == 1, table_,
                                           previewPicture->contentsRect().size());
  previewPicture->setPixmap(QPixmap::fromImage(preview));
}

void BackgroundDialog::TellMissing() {
  ShowMessage(this, tr("ぴるく  －盤面背景設定－"), tr("ファイルが見つかりません。"),
              QMessageBox::Warning);
}

bool BackgroundDialog::DrawTable(const std::string& wallpaper, int16_t auto_size) {
  // The table paints its background from the settings, so a picture shown on
  // it stands there until OK keeps it or Cancel puts the opening one back.
  state_.settings.GameWallPaper = wallpaper;
  state_.settings.WallPaperAutoSize = auto_size;
  return !draw_ || draw_();
}

bool BackgroundDialog::DrawChoice() { return DrawTable(wallpaper_, auto_size_); }

bool BackgroundDialog::ChooseFile(const QString& path) {
  const std::string chosen = path.toStdString();
  const std::string wallpaper = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  // The picture in use stays, shown and drawn as it was.
  if (RefuseUnstorablePath(this, windowTitle(), wallpaper)) return false;
  wallpaper_ = wallpaper;
  const bool loaded = picture_.load(Text(wallpaper_));
  if (!loaded) picture_ = QImage();
  ShowFileName();
  ShowPreview();
  if (!loaded) TellMissing();
  return loaded;
}

void BackgroundDialog::ChooseAndDrawFile(const QString& path) {
  if (ChooseFile(path) && !DrawChoice()) TellMissing();
}

void BackgroundDialog::OnAutoSizeToggled(bool checked) {
  auto_size_ = checked ? 1 : 0;
  ShowPreview();
}

void BackgroundDialog::OnApply() {
  const QString path = pictureChooser->SelectedPath();
  if (path.isEmpty()) {
    // Nothing chosen in the list: the picture in use, as it now stands.
    if (!DrawChoice()) TellMissing();
    return;
  }
  ChooseAndDrawFile(path);
}

void BackgroundDialog::OnPlain() {
  wallpaper_.clear();
  picture_ = QImage();
  pictureFileList->clearSelection();
  ShowFileName();
  ShowPreview();
  DrawChoice();
}

void BackgroundDialog::OnOk() {
  // A picture that cannot be drawn is not kept: the user chooses another
  // one or none.
  if (!DrawChoice()) {
    TellMissing();
    return;
  }
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

void BackgroundDialog::reject() {
  DrawTable(wallpaper_at_open_, auto_size_at_open_);
  QDialog::reject();
}

bool OpenBackgroundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, const DrawBackground& draw) {
  QSize table;
  if (auto* main_window = qobject_cast<QMainWindow*>(parent); main_window && main_window->centralWidget()) {
    table = main_window->centralWidget()->size();
  } else if (parent != nullptr) {
    table = parent->size();
  }
  BackgroundDialog window(state, paths, draw, table, parent);
  return AwaitDialog(window) == QDialog::Accepted;
}

}  // namespace winpiruk
