// The smallest windowed Qt program: one titled, empty window. The start-up
// benchmark times the table against it on the same display in the same run.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare window"));
  window.resize(541, 359);
  window.show();
  return QApplication::exec();
}
