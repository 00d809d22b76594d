#include "AboutBox.h"

#include "KorIcons.h"
#include "ProgramVersion.h"

namespace korvado {

namespace {

QFont TitleFont(const QFont& base) {
  QFont font = base;
  font.setPixelSize(13);
  font.setBold(true);
  font.setItalic(true);
  font.setUnderline(true);
  return font;
}

QLabel* TitleLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(TitleFont(label->font()));
  label->setStyleSheet(QStringLiteral("color: blue;"));
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("О программе"));
  setFixedSize(401, 386);
  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 8, 385, 322);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setGeometry(16, 16, 89, 81);
  ProgramIcon->setPixmap(korvado::ProgramIcon().pixmap(89, 81));
  ProgramIcon->setScaledContents(true);

  ProductName = TitleLabel(QStringLiteral("\" Korvado \""), Panel1);
  ProductName->setGeometry(120, 24, 250, 20);
  Version = TitleLabel(QStringLiteral("Версия программы:  ") + QString::fromUtf8(kProgramVersion), Panel1);
  Version->setGeometry(120, 52, 250, 20);
  StageLabel = new QLabel(QStringLiteral("Программа находится на стадии разработки"), Panel1);
  StageLabel->setGeometry(16, 120, 353, 20);
  Comments = new QLabel(QStringLiteral("Последняя редакция: 09.01.2002"), Panel1);
  Comments->setGeometry(16, 148, 353, 20);
  Bevel1 = new QFrame(Panel1);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setGeometry(16, 184, 353, 4);
  Label1 = new QLabel(QStringLiteral("Предназначена для обработки высокоточных технических нивелирных ходов и "
                                     "уравнивания нивелирных сетей."),
                      Panel1);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setGeometry(16, 200, 353, 33);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(160, 344, 80, 28);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace korvado
