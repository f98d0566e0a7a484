#pragma once
// Names for assistive technology. A field, list or picture has no caption of
// its own: a screen reader finds it by the label that stands for it, or by
// the name given here when that label cannot be its buddy.
#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace winpiruk {

// `caption` as read aloud: without its access key's & and a closing colon.
QString SpokenCaption(const QString& caption);

// `control` is read as `caption`, spoken as above.
void NameAfter(QWidget& control, const QString& caption);

// `control` is read as the text `label` shows beside it.
void NameAfterLabel(QWidget& control, const QLabel& label);

// Every control of `window` that has no spoken name or description yet
// takes them from the label it is the buddy of and from its tooltip. Not
// every kind of control looks there by itself (lists and tables do not).
void NameControlsForReaders(QWidget& window);

// Tab visits `controls` one after another, in the order given: for a window
// whose controls are made in another order than the user reads them.
void TabInOrder(const std::vector<QWidget*>& controls);

}  // namespace winpiruk
