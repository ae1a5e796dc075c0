#pragma once
// The "Dimensionamento" window: the requirements with the catalogue table on
// the left, "Calcola" with its progress bar and "Interrompi", the answer on
// the right (recommendation, precharge table, candidates and the rules'
// legend), the explanation of the failing sizes below, and "Applica", which
// writes the recommended V0, P0 and Qp into the initial data and marks p1 on
// the chart. The search runs on a thread of its own.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "documents/ProjectFile.h"
#include "engine/CircuitState.h"
#include "messages/Result.h"
#include "sizing/AnswerText.h"
#include "sizing/Search.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QScrollArea;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace volvenza {

class Dialogs;
class Project;
class SizingJob;
struct DraftKey;

class Dimensionamento : public QWidget {
    Q_OBJECT

  public:
    Dimensionamento(Project& project, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Dimensionamento() override;

    // Calcola: starts the search, or says why it cannot (a wrong box, or a
    // draft in any window, whose box `showDraft` shows). Nothing while a
    // search runs.
    void Calculate();
    void Stop();
    // Writes the recommended design into the project: the answer stays
    // current for the data it leaves.
    void Apply();
    // Where the shell shows the box of a draft that stops a search.
    void WhenDraftStops(std::function<void(const DraftKey&)> showDraft) {
        showDraft_ = std::move(showDraft);
    }
    // Gives the box of a requirement's draft the focus; false for another draft.
    bool FocusDraft(const DraftKey& key);

    // The requirements as the boxes give them, or the message naming the
    // first wrong box.
    Result<sizing::Requirements> ReadRequirements() const;
    // The last answer and the requirements it was found for.
    const std::optional<sizing::SizingAnswer>& Answer() const { return answer_; }
    const sizing::Requirements& AnsweredRequirements() const { return answered_; }
    const CircuitData& AnsweredData() const { return answeredData_; }
    // The data or requirements changed since the answer was found.
    bool Stale() const { return answer_ && stale_; }

    // The requirements as the window shows them (the project's, which takes
    // each value at once) and the last recommendation.
    ProjectSizing Sizing() const;
    // Fills the boxes from a project and shows its last recommendation.
    void ShowSizing(const ProjectSizing& sizing);
    // Marks the answer out of date, and "Applica" off, once the data, the
    // movements, the gas model or the requirements differ from those it was
    // found for and from those its application left; the shell calls it
    // whenever the project changes.
    void FollowInputs();
    // The project changed: the boxes show its drafts, then FollowInputs.
    void FollowProject();

    QSize sizeHint() const override { return designSize_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Parts;
    void BuildRequirements(Parts& parts);
    void BuildCatalogue(Parts& parts, QFormLayout& form);
    void BuildActions(Parts& parts);
    void BuildAnswer(Parts& parts);
    void BuildExplanations(Parts& parts);
    void ConnectCommands(const Parts& parts);
    void ConnectInputs();
    // The emergency stroke's start and the pressure held: the boxes, what
    // they make of `kept` (the message when a hold box is wrong) and what
    // they show.
    void BuildDuties(QFormLayout& form);
    Result<DutyPlan> ReadDuties(const DutyPlan& kept) const;
    // Whether a hold box's figure fits, on the design shown.
    Status HoldFits(size_t box, std::optional<double> figure) const;
    void ShowDuties(const DutyPlan& plan);
    void FitDesignSize(const Parts& parts);
    // The bottles as the box gives them, or the box's message when it gives none.
    Result<std::vector<double>> ReadBottles() const;
    // Starts the search; the message naming the draft or the box that stops it.
    Status StartSearch();
    void Poll();
    void ShowAnswer();
    void ClearAnswer();
    void FollowBusy();
    // The requirements as the form shows them, read by the core's rule
    // (sizing::RequirementsShown) over the project's.
    sizing::Requirements RequirementsShown() const;
    // The four check boxes and the gas model, as Calcola reads them.
    void ReadChoices(sizing::Requirements& req) const;
    // The requirements shown become the project's: one step per box typed in.
    void TakeRequirements(const std::string& label);
    // A requirement's box typed into: text that is no number, or no text
    // where the requirements cannot be left empty, is its draft in the
    // project; the box is marked.
    void RequirementTyped(size_t box);
    // A catalogue cell changed: the same for its text.
    void CatalogueEdited(QTableWidgetItem* item);
    // The cells show the project's drafts over its catalogue.
    void ShowCatalogueDrafts(const std::vector<sizing::CatalogueSize>& sizes);
    void DropCatalogueDrafts(std::optional<int> row = std::nullopt);
    // The boxes show the project's drafts, and a draft taken back (an undo)
    // gives its box the project's value again.
    void ShowRequirementDrafts(const sizing::Requirements& req);
    void MarkRequirement(size_t box, bool draft);
    // A hold box typed into, or the hold asked for or not: text that is no
    // number is its draft while the hold is asked for; the box is marked
    // red with what is wrong while its text gives no figure the hold takes.
    void HoldTyped(size_t box);
    void MarkHold(size_t box, const Status& fits, bool draft);
    // What a hold box shows of `plan`.
    void ShowHold(size_t box, const DutyPlan& plan);
    // What the data, movements and gas model now are, as one number.
    uint64_t InputsNow() const;
    void ShowCatalogue(const std::vector<sizing::CatalogueSize>& sizes);
    // The catalogue as the table gives it, or the message naming the first
    // wrong row. A cell holding a draft stops it.
    Result<std::vector<sizing::CatalogueSize>> ReadCatalogue() const;
    void TypeChanged(int index);
    void ShowCandidates(const sizing::AnswerLayout& layout);
    void FitCandidateColumns();
    void FitCatalogueColumns();
    void FitAnswer();

    Project& project_;
    CircuitState& state_;
    Dialogs& dialogs_;
    std::function<void(const DraftKey&)> showDraft_;
    // While the window shows the project, its widgets' signals are no edits.
    bool showing_ = false;
    QScrollArea* requirementsArea_ = nullptr;
    QScrollArea* answerArea_ = nullptr;
    QLineEdit* minPressure_ = nullptr;
    QComboBox* type_ = nullptr;
    int shownType_ = 0;  // the type whose defaults the catalogue may hold
    QTableWidget* catalogue_ = nullptr;
    QStringList catalogueHeadings_;
    QLineEdit* rated_ = nullptr;
    QLineEdit* relief_ = nullptr;
    QLineEdit* tolerance_ = nullptr;
    QLineEdit* hours_ = nullptr;
    QLineEdit* efficiency_ = nullptr;
    QLineEdit* hoursPerYear_ = nullptr;
    QCheckBox* choosePrecharge_ = nullptr;
    QCheckBox* sizePump_ = nullptr;
    QCheckBox* singleCycle_ = nullptr;
    QLineEdit* bottles_ = nullptr;
    // The boxes above in RequirementBox order.
    std::array<QLineEdit*, 8> requirementBoxes_{};
    QCheckBox* arrangements_ = nullptr;
    QCheckBox* emergencyFromFull_ = nullptr;
    QGroupBox* hold_ = nullptr;
    // Pressure, time, leakage, cooling.
    std::array<QLineEdit*, 4> holdBoxes_{};
    QCheckBox* holdFromPm_ = nullptr;
    QLabel* gasLaw_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* apply_ = nullptr;
    QLabel* appliedNote_ = nullptr;  // beside Applica, once it has applied
    QProgressBar* progress_ = nullptr;
    QLabel* staleNote_ = nullptr;
    QLabel* recommendationText_ = nullptr;
    QTableWidget* precharge_ = nullptr;
    QTableWidget* candidates_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* explanationHeading_ = nullptr;
    QPlainTextEdit* explanation_ = nullptr;
    QTimer* poll_ = nullptr;
    std::unique_ptr<SizingJob> job_;
    sizing::Requirements asked_;
    sizing::Requirements answered_;
    uint64_t askedInputs_ = 0;
    uint64_t answeredInputs_ = 0;
    // What the data became once the answer was applied.
    std::optional<uint64_t> appliedInputs_;
    bool stale_ = false;
    // The project holds the answer's design as applied: Applica has nothing
    // more to do until the data change.
    bool applied_ = false;
    CircuitData askedData_;
    CircuitData answeredData_;  // the initial data the answer was found from
    std::optional<sizing::SizingAnswer> answer_;
    std::optional<sizing::AnswerLayout> layout_;    // the answer as shown
    std::optional<sizing::Design> recommendation_;  // the last one, found or opened
    QSize designSize_;
};

}  // namespace volvenza
