#pragma once
// A keyboard gives "." or "," for the decimal key depending on its layout; a
// number field of Qt's own would drop the one that is not its locale's
// separator without a word (12.5 becoming 125). In the fields it watches,
// either key types the field's own separator.

#include <QObject>

class QWidget;

namespace korvado {

class DecimalKeys : public QObject {
 public:
  // Watches field (a spin box or a line edit), owned by it.
  static void Install(QWidget* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace korvado
