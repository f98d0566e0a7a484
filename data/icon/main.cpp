// Writes the program's icon into an icon theme folder: a PNG per size in
// the hicolor layout, and a scalable SVG when the build has Qt's SVG module.
//
//   winpiruk_icongen <icons folder> <icon name>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "artwork/AppIcon.h"

#ifdef WINPIRUK_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace {

bool WriteSvg(const QString& path) {
#ifdef WINPIRUK_HAVE_SVG
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(64, 64));
  svg.setViewBox(QRect(0, 0, 64, 64));
  svg.setTitle(QStringLiteral("ぴるく"));
  QPainter painter(&svg);
  winpiruk::artwork::PaintAppIcon(painter, 64);
  return painter.end();
#else
  (void)path;
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: winpiruk_icongen <icons folder> <icon name>\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor");
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int size : winpiruk::artwork::kAppIconSizes) {
    const QString folder = root + QStringLiteral("/%1x%1/apps").arg(size);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !winpiruk::artwork::AppIconImage(size).save(path, "PNG")) {
      std::fprintf(stderr, "winpiruk_icongen: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
#ifdef WINPIRUK_HAVE_SVG
  const QString folder = root + QStringLiteral("/scalable/apps");
  if (!QDir().mkpath(folder) || !WriteSvg(folder + QLatin1Char('/') + name + QStringLiteral(".svg"))) {
    std::fprintf(stderr, "winpiruk_icongen: cannot write the scalable icon\n");
    return 1;
  }
#endif
  return 0;
}
