#include "app/dialogs/dlg_upravit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QPixmap>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "app/platform/qt_bitmap.h"
#include "app/widgets/dialog_buttons.h"
#include "artwork/editor_glyphs.h"
#include "composition/shadow_frame.h"

namespace zorna::app {
namespace {

QToolButton* MakeGlyphButton(QToolBar* bar, const char* name, const Canvas& glyph,
                             const QString& hint) {
  auto* b = new QToolButton(bar);
  b->setObjectName(name);
  b->setCheckable(true);
  b->setAutoRaise(true);
  b->setToolTip(hint);
  b->setIconSize(QSize(kEditorGlyphSide, kEditorGlyphSide));
  b->setIcon(QIcon(QPixmap::fromImage(ToQImageMasked(glyph.picture, glyph.mask))));
  bar->addWidget(b);
  return b;
}

QToolBar* MakeToolBar(QWidget* parent, const char* name) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setIconSize(QSize(kEditorGlyphSide, kEditorGlyphSide));
  return bar;
}

QSpinBox* MakeSpinEdit(QWidget* parent, const char* name, int low, int high, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  spin->setValue(value);
  return spin;
}

// A label, its spin edit and the colour grid on one line below the toolbar.
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QToolBar* bar,
                     QLabel* label, QSpinBox* spin, ColorGrid* grid) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  bar->setParent(group);
  label->setParent(group);
  spin->setParent(group);
  grid->setParent(group);
  label->setBuddy(spin);
  auto* settings = new QHBoxLayout;
  settings->addWidget(label);
  settings->addWidget(spin);
  settings->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(bar);
  left->addLayout(settings);
  auto* layout = new QHBoxLayout(group);
  layout->addLayout(left, 1);
  layout->addWidget(grid, 0, Qt::AlignTop);
  return group;
}

}  // namespace

TUpravit::TUpravit(QWidget* parent, EditedResult result)
    : QDialog(parent), result_(std::move(result)) {
  setObjectName("Upravit");
  setWindowTitle(tr("Upraviť obázok"));
  const OkCancelButtons ok_cancel = MakeOkCancelButtons(this);
  OKBtn = ok_cancel.ok;
  CancelBtn = ok_cancel.cancel;
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildPreview(), 1);
  right->addLayout(buttons);
  auto* left = new QVBoxLayout;
  left->addWidget(BuildShadowGroup());
  left->addWidget(BuildFrameGroup());
  left->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
}

QGroupBox* TUpravit::BuildShadowGroup() {
  ToolBar1 = MakeToolBar(this, "ToolBar1");
  ToolButton1 = MakeGlyphButton(ToolBar1, "ToolButton1", ShadowGlyph(ShadowDirection::kNone),
                                tr("Bez tieňa"));
  ToolBar1->addSeparator();
  ToolButton4 = MakeGlyphButton(ToolBar1, "ToolButton4", ShadowGlyph(ShadowDirection::kLowerRight),
                                tr("Tieň vpravo dole"));
  ToolBar1->addSeparator();
  ToolButton6 = MakeGlyphButton(ToolBar1, "ToolButton6", ShadowGlyph(ShadowDirection::kUpperLeft),
                                tr("Tieň vľavo hore"));
  ToolBar1->addSeparator();
  ToolButton8 = MakeGlyphButton(ToolBar1, "ToolButton8", ShadowGlyph(ShadowDirection::kUpperRight),
                                tr("Tieň vpravo hore"));
  ToolBar1->addSeparator();
  ToolButton13 = MakeGlyphButton(ToolBar1, "ToolButton13", ShadowGlyph(ShadowDirection::kLowerLeft),
                                 tr("Tieň vľavo dole"));
  ToolButton1->setChecked(true);
  Label2 = new QLabel(tr("Posun:"));
  Label2->setObjectName("Label2");
  SpinEdit1 = MakeSpinEdit(this, "SpinEdit1", 1, 20, 2);
  ColorGrid2 = new ColorGrid("ColorGrid2", 7);
  GroupBox1 = MakeGroup(this, "GroupBox1", tr("Tieň"), ToolBar1, Label2, SpinEdit1, ColorGrid2);

  connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(ToolButton1); });
  connect(ToolButton4, &QToolButton::clicked, this, [this] { ToolButton4Click(ToolButton4); });
  connect(ToolButton6, &QToolButton::clicked, this, [this] { ToolButton6Click(ToolButton6); });
  connect(ToolButton8, &QToolButton::clicked, this, [this] { ToolButton8Click(ToolButton8); });
  connect(ToolButton13, &QToolButton::clicked, this, [this] { ToolButton13Click(ToolButton13); });
  connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(SpinEdit1); });
  connect(ColorGrid2, &ColorGrid::Changed, this, [this] { SpinEdit1Change(ColorGrid2); });
  return GroupBox1;
}

QGroupBox* TUpravit::BuildFrameGroup() {
  ToolBar2 = MakeToolBar(this, "ToolBar2");
  ToolButton10 = MakeGlyphButton(ToolBar2, "ToolButton10", FrameGlyph(false), tr("Bez orámovania"));
  ToolBar2->addSeparator();
  ToolButton12 = MakeGlyphButton(ToolBar2, "ToolButton12", FrameGlyph(true), tr("Orámovať"));
  ToolButton10->setChecked(true);
  Label1 = new QLabel(tr("Hrúbka:"));
  Label1->setObjectName("Label1");
  SpinEdit2 = MakeSpinEdit(this, "SpinEdit2", 1, 5, 1);
  ColorGrid1 = new ColorGrid("ColorGrid1", 0);
  GroupBox2 =
      MakeGroup(this, "GroupBox2", tr("Orámovanie:"), ToolBar2, Label1, SpinEdit2, ColorGrid1);

  connect(ToolButton10, &QToolButton::clicked, this, [this] { ToolButton10Click(ToolButton10); });
  connect(ToolButton12, &QToolButton::clicked, this, [this] { ToolButton12Click(ToolButton12); });
  connect(SpinEdit2, &QSpinBox::valueChanged, this, [this] { SpinEdit2Change(SpinEdit2); });
  connect(ColorGrid1, &ColorGrid::Changed, this, [this] { SpinEdit2Change(ColorGrid1); });
  return GroupBox2;
}

// Both previews share the middle of a framed area that grows with the dialog.
QWidget* TUpravit::BuildPreview() {
  auto* frame = new QFrame(this);
  frame->setObjectName("Bevel1");
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setMinimumSize(80, 80);
  Image1 = new ImageControl("Image1", frame);
  Image1->setFixedSize(32, 32);
  Image2 = new ImageControl("Image2", frame);
  Image2->setFixedSize(64, 64);
  auto* layout = new QGridLayout(frame);
  layout->addWidget(Image1, 0, 0, Qt::AlignCenter);
  layout->addWidget(Image2, 0, 0, Qt::AlignCenter);
  return frame;
}

void TUpravit::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

int TUpravit::Side() const {
  return result_.side();
}

ImageControl* TUpravit::VisiblePreview() const {
  return Image1->isHidden() ? Image2 : Image1;
}

void TUpravit::PressOnly(QToolButton* button) {
  const bool frame = button == ToolButton10 || button == ToolButton12;
  const std::vector<QToolButton*> group =
      frame ? std::vector{ToolButton10, ToolButton12}
            : std::vector{ToolButton1, ToolButton4, ToolButton6, ToolButton8, ToolButton13};
  for (QToolButton* b : group) b->setChecked(b == button);
}

void TUpravit::FormShow() {
  Image1->SetPicture(result_.picture());
  Image2->SetPicture(result_.picture());
  const bool small = result_.small_preview();
  Image1->setVisible(small);
  Image2->setVisible(!small);
  SpinEdit1Change(this);
}

void TUpravit::PressShadow(QToolButton* button, ShadowDirection direction, QObject* sender) {
  PressOnly(button);
  const ShadowOffset offset = OffsetOf(direction, SpinEdit1->value());
  VykresliTien(sender, offset.dx, offset.dy);
}

void TUpravit::ToolButton1Click(QObject* sender) {
  PressShadow(ToolButton1, ShadowDirection::kNone, sender);
}

void TUpravit::ToolButton4Click(QObject* sender) {
  PressShadow(ToolButton4, ShadowDirection::kLowerRight, sender);
}

void TUpravit::ToolButton6Click(QObject* sender) {
  PressShadow(ToolButton6, ShadowDirection::kUpperLeft, sender);
}

void TUpravit::ToolButton8Click(QObject* sender) {
  PressShadow(ToolButton8, ShadowDirection::kUpperRight, sender);
}

void TUpravit::ToolButton13Click(QObject* sender) {
  PressShadow(ToolButton13, ShadowDirection::kLowerLeft, sender);
}

void TUpravit::VykresliTien(QObject* sender, int dx, int dy) {
  const Bitmap& result = result_.picture();
  Bitmap& scratch = result_.scratch();
  scratch = result;
  PaintShadow(result, scratch, Side(), ShadowOffset{dx, dy}, ColorGrid2->ForegroundColor());
  if (sender) SpinEdit2Change(nullptr);
  VisiblePreview()->SetPicture(scratch);
}

void TUpravit::ToolButton10Click(QObject* sender) {
  PressOnly(ToolButton10);
  SpinEdit1Change(sender);
}

void TUpravit::ToolButton12Click(QObject* sender) {
  PressOnly(ToolButton12);
  Bitmap& scratch = result_.scratch();
  if (sender) {
    scratch = result_.picture();
    SpinEdit1Change(nullptr);
  }
  PaintFrame(scratch, Side(), SpinEdit2->value(), ColorGrid1->ForegroundColor());
  VisiblePreview()->SetPicture(scratch);
}

void TUpravit::SpinEdit1Change(QObject* sender) {
  if (ToolButton4->isChecked()) {
    ToolButton4Click(sender);
  } else if (ToolButton6->isChecked()) {
    ToolButton6Click(sender);
  } else if (ToolButton8->isChecked()) {
    ToolButton8Click(sender);
  } else if (ToolButton13->isChecked()) {
    ToolButton13Click(sender);
  } else {
    ToolButton1Click(sender);
  }
}

void TUpravit::SpinEdit2Change(QObject* sender) {
  if (ToolButton12->isChecked()) ToolButton12Click(sender);
}

void TUpravit::OKBtnClick() {
  result_.replace(VisiblePreview()->Picture());
}

}  // namespace zorna::app
