#include "search/search_window.h"

#include "search/entry_check.h"
#include "widgets/line_list_model.h"
#include "widgets/qt_text.h"
#include "widgets/traffic_log.h"
#include "widgets/window_style.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <algorithm>

namespace orvel {
namespace {

struct TwipBox {
    int left;
    int top;
    int width;
    int height;
};

// One criterion: its option button and the text box beside it.
struct CriterionControls {
    const char* optionCaption; // UTF-8
    TwipBox option;
    const char* boxName;
    TwipBox box;
};

// In criterion order: the option of index n selects criterion n.
constexpr std::array<CriterionControls, 5> kCriteria{{
    {"Commune", {1560, 960, 1575, 255}, "Commune", {3720, 960, 3135, 285}},
    {"Code Postal", {8160, 960, 1695, 195}, "CP", {10320, 960, 1215, 285}},
    {"Nom de l'Activité", {1560, 1320, 1935, 255}, "NomRef", {3720, 1320, 3135, 285}},
    {"N°de l'activité", {8160, 1320, 2055, 195}, "NumRef", {10320, 1320, 1215, 285}},
    {"Nom ou N° Canton", {1560, 1680, 2055, 195}, "NomCan", {3720, 1680, 3135, 285}},
}};

constexpr int kCriterionCount = static_cast<int>(kCriteria.size());

SearchCriterion criterionAt(std::size_t index) {
    return static_cast<SearchCriterion>(static_cast<int>(index) + 1);
}

// The column heading of the result list, built from its runs so that each name stands over
// its column of the fixed-width result lines.
QString resultHeading() {
    const auto blanks = [](int count) { return QString(count, QLatin1Char(' ')); };
    return blanks(13) + QStringLiteral("Nom Commune") + blanks(37) + QStringLiteral("Reference") +
           blanks(18) + QStringLiteral("Nom Activité") + blanks(60) + QStringLiteral("CP") +
           blanks(11) + QStringLiteral("Nom Canton");
}

// Turns the small letters a to z into capitals as they are typed or pasted; accented letters
// stay as they are. The text keeps its length, so the cursor stays where it was.
class CapitalLettersValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        for (QChar& character : input) {
            if (character >= QLatin1Char('a') && character <= QLatin1Char('z')) {
                character = QChar(character.unicode() - 32);
            }
        }
        return Acceptable;
    }
};

// The limits of the boxes count what the user sees as characters.
std::size_t characterCount(const QString& text) {
    return static_cast<std::size_t>(text.toUcs4().size());
}

} // namespace

Rechercher::Rechercher(std::filesystem::path referenceFile, QWidget* parent, TrafficLog* trafficLog)
    : QDialog(parent), referenceFile_(std::move(referenceFile)), trafficLog_(trafficLog) {
    setWindowTitle(QStringLiteral("Recherche"));
    setFont(sansSerifFont(8.25));
    setFixedSize(twips(13350), twips(6630));

    buildTitleFrame();
    buildCriteria();
    buildResultList();

    auto* quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Command1"));
    quit->setAutoDefault(false);
    place(quit, 6240, 6120, 975, 255);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);
    Command1 = quit;

    chainTabOrder();
    boxes_[0]->setFocus();
    centreOnScreen(this);
}

void Rechercher::place(QWidget* control, int left, int top, int width, int height) {
    const QPoint containerOrigin = control->parentWidget()->mapTo(this, QPoint(0, 0));
    control->setGeometry(twipRect(left, top, width, height).translated(-containerOrigin));
}

void Rechercher::buildTitleFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 4200, 0, 5055, 615);

    auto* title = new QLabel(QStringLiteral("Rechercher une référence par ..."), frame);
    title->setObjectName(QStringLiteral("Label3"));
    title->setFont(sansSerifFont(9.75, true));
    place(title, 4320, 240, 4815, 255);
}

void Rechercher::buildCriteria() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    place(frame, 120, 720, 13095, 5775);

    Option1 = new QButtonGroup(this);
    Option1->setObjectName(QStringLiteral("Option1"));
    const QFont criterionFont = sansSerifFont(8.25, true);
    for (std::size_t index = 0; index < kCriteria.size(); ++index) {
        const CriterionControls& controls = kCriteria[index];
        const int id = static_cast<int>(index) + 1;

        auto* option = new QRadioButton(fromUtf8(controls.optionCaption), frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(id));
        option->setFont(criterionFont);
        place(option, controls.option.left, controls.option.top, controls.option.width,
              controls.option.height);
        Option1->addButton(option, id);
        option->installEventFilter(this);

        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(controls.boxName));
        box->setFont(criterionFont);
        box->setAccessibleName(option->text()); // the option beside it names it on screen
        setPaleYellow(box);
        place(box, controls.box.left, controls.box.top, controls.box.width, controls.box.height);
        box->installEventFilter(this);
        boxes_[index] = box;
    }
    boxOf(SearchCriterion::PostalCode)->setValidator(new CapitalLettersValidator(this));

    Option1->button(static_cast<int>(SearchCriterion::Commune))->setChecked(true);
    keepTabStopOnSelectedOption();
    connect(Option1, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            keepTabStopOnSelectedOption();
            boxOf(static_cast<SearchCriterion>(id))->setFocus();
        }
    });

    auto* accents = new QLabel(QStringLiteral("Respectez les caractères accentués"), frame);
    accents->setObjectName(QStringLiteral("Label1"));
    accents->setFont(sansSerifFont(9.75, true));
    QPalette red = accents->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    accents->setPalette(red);
    place(accents, 7680, 1680, 4815, 255);

    auto* heading = new QLabel(resultHeading(), frame);
    heading->setObjectName(QStringLiteral("Label12"));
    heading->setTextFormat(Qt::PlainText);
    place(heading, 360, 2160, 12615, 255);
}

void Rechercher::buildResultList() {
    results_ = new LineListModel(this);
    auto* list = new QListView(this);
    list->setObjectName(QStringLiteral("Liste_Ref"));
    list->setUniformItemSizes(true);
    list->setFont(listFont());
    list->setToolTip(QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    list->setAccessibleName(QStringLiteral("Résultats de la recherche"));
    // A list, unlike the other controls, does not offer its tooltip to the screen reader.
    list->setAccessibleDescription(list->toolTip());
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setPaleYellow(list);
    list->setModel(results_);
    place(list, 360, 2400, 12615, 3525);
    Liste_Ref = list;
}

void Rechercher::chainTabOrder() {
    const std::array<QWidget*, 7> chain{
        boxOf(SearchCriterion::Commune),    Command1,
        boxOf(SearchCriterion::Canton),     boxOf(SearchCriterion::Reference),
        boxOf(SearchCriterion::PostalCode), Liste_Ref,
        boxOf(SearchCriterion::Activity)};
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
    for (QAbstractButton* option : Option1->buttons()) { // in criterion order
        QWidget::setTabOrder(previous, option);
        previous = option;
    }
}

// The option group is one stop of the keyboard order, on the selected option: Tab never lands on
// another option, which Space would then select.
void Rechercher::keepTabStopOnSelectedOption() {
    for (QAbstractButton* option : Option1->buttons()) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

QLineEdit* Rechercher::boxOf(SearchCriterion criterion) const {
    return boxes_[static_cast<std::size_t>(criterion) - 1];
}

bool Rechercher::eventFilter(QObject* watched, QEvent* event) {
    if (const int option = Option1->id(qobject_cast<QAbstractButton*>(watched)); option != -1) {
        // A click on the option already selected selects nothing anew: its box takes the focus
        // all the same, as when the option becomes selected.
        if (event->type() == QEvent::MouseButtonRelease && Option1->checkedId() == option) {
            boxOf(static_cast<SearchCriterion>(option))->setFocus();
        }
        return event->type() == QEvent::KeyPress &&
               arrowPressedOn(option, static_cast<QKeyEvent*>(event)->key());
    }
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    if (found == boxes_.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const auto index = static_cast<std::size_t>(found - boxes_.begin());
    if (event->type() == QEvent::MouseButtonPress) {
        Option1->button(static_cast<int>(index) + 1)->setChecked(true);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressedIn(criterionAt(index));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The arrows select the next or previous option, in index order and round. Left to the button
// itself, they would give the focus back to the option after its box had taken it.
bool Rechercher::arrowPressedOn(int option, int key) {
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) {
        step = 1;
    } else if (key == Qt::Key_Up || key == Qt::Key_Left) {
        step = -1;
    } else {
        return false;
    }
    const int next = (option - 1 + step + kCriterionCount) % kCriterionCount + 1;
    Option1->button(next)->setChecked(true);
    return true;
}

void Rechercher::enterPressedIn(SearchCriterion box) {
    QLineEdit* edit = boxOf(box);
    if (const auto refusal = checkEntry(box, characterCount(edit->text()))) {
        showMessage(this, fromUtf8(refusal->message));
        if (refusal->emptiesBox) {
            edit->clear();
        }
        return;
    }
    runSearch();
}

void Rechercher::runSearch() {
    // The search follows the selected option, which a box reached with Tab need not belong to.
    const auto criterion = static_cast<SearchCriterion>(Option1->checkedId());
    const QString text = boxOf(criterion)->text();
    const TrafficLog::Reading log =
        trafficLog_ != nullptr ? trafficLog_->read(referenceFile_) : TrafficLog::Reading();
    std::vector<bool> worked;
    Result<LineList> found =
        Cherche_Ref(criterion, cp1252Text(text), referenceFile_, [&](const MatchingRecord& match) {
            if (log.worked != nullptr) {
                worked.push_back(!match.isHeaderLine && log.worked->contains(match.line));
            }
        });
    if (!found.ok()) {
        // The window stays as it was, so that the same search can be run again.
        showMessage(this, fromUtf8(failureMessage(found.failure())));
        return;
    }
    results_->setLines(std::move(found.value()), std::move(worked));
    for (const QString& notice : log.notices) {
        showMessage(this, notice);
    }
    if (results_->rowCount() == 0) {
        showMessage(this, QStringLiteral("Pas de référence trouvée"));
    }
    for (QLineEdit* box : boxes_) {
        box->clear();
    }
}

} // namespace orvel
