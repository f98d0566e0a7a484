#pragma once
// Captions carry two access keys ("ｹﾞｰﾑ(&G&ｹ)"): a letter and the kana beside
// it. Qt honours only the first "&" and underlines every one, so each later
// single "&" becomes a blank; "&&" stays a literal "&".
#include <QString>

namespace winpiruk {

QString AccessCaption(const QString& caption);

}  // namespace winpiruk
