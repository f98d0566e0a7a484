#include "gui/common/Captions.h"

namespace winpiruk {

QString AccessCaption(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  bool first_key_seen = false;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const QChar c = caption[i];
    if (c != u'&') {
      shown += c;
      continue;
    }
    if (i + 1 < caption.size() && caption[i + 1] == u'&') {
      shown += u"&&";
      ++i;
    } else if (!first_key_seen) {
      shown += u'&';
      first_key_seen = true;
    } else {
      shown += u' ';
    }
  }
  return shown;
}

}  // namespace winpiruk
