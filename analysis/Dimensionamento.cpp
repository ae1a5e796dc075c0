#include "analysis/Dimensionamento.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "analysis/DimensionamentoParts.h"
#include "analysis/SizingJob.h"
#include "documents/Project.h"
#include "platform/Dialogs.h"
#include "platform/UiMessage.h"
#include "platform/UiNumber.h"
#include "sizing/AnswerText.h"

namespace volvenza {

using namespace sizing;
using namespace sizing_window;

Dimensionamento::~Dimensionamento() = default;

void Dimensionamento::Calculate() {
    if (job_) return;
    const Status started = StartSearch();
    if (started) return;
    dialogs_.Message(UiMessage(started.Error()), MessageIcon::Exclamation, MessageButtons::Ok);
    // A draft stops the search before anything else is read.
    if (const auto draft = project_.FirstDraft(); draft && showDraft_) showDraft_(draft->first);
}

Status Dimensionamento::StartSearch() {
    // The search reads the project alone: a box's text that is no number
    // stops it, wherever it is.
    if (const auto draft = project_.FirstDraft()) {
        return DraftMessage(draft->first, draft->second, DraftStops::Sizing);
    }
    const auto req = ReadRequirements();
    if (!req) return req.Error();
    const CircuitData data = state_.Data;
    CircuitState probe;
    probe.Data = data;
    probe.SimMovementCount = state_.MovementCount;
    probe.TimeStep = state_.TimeStep;
    if (const Status checked = CheckRequirements(probe, *req); !checked) return checked;
    asked_ = *req;
    askedInputs_ = InputsNow();
    job_ = std::make_unique<SizingJob>(state_, data, *req);
    askedData_ = data;
    progress_->setValue(0);
    poll_->start();
    FollowBusy();
    return Done{};
}

void Dimensionamento::Stop() {
    if (job_) job_->Stop();
}

void Dimensionamento::Poll() {
    if (!job_) return;
    progress_->setValue(static_cast<int>(std::lround(job_->Progress() * 100)));
    if (!job_->Done()) return;
    poll_->stop();
    const std::unique_ptr<SizingJob> job = std::move(job_);
    FollowBusy();
    const Result<sizing::SizingAnswer>& found = job->Answer();
    if (!found) {
        dialogs_.Message(UiMessage(found.Error()), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // Stopped, even when the search ended before it heard: the user asked
    // for no answer. Half an answer would read as a whole one.
    if (found->Cancelled || job->StopAsked()) {
        ClearAnswer();
        recommendationText_->setText(UiMessage(Message(MessageId::SizingStopped)));
        FitAnswer();
        FollowBusy();
        return;
    }
    if (InputsNow() != askedInputs_) {
        // Found for data that are no longer there: it would mislead.
        ClearAnswer();
        recommendationText_->setText(
            tr("Ricerca scartata: i dati sono cambiati durante la ricerca. \"Calcola\" la "
               "ripete."));
        FitAnswer();
        FollowBusy();
        return;
    }
    answer_ = *found;
    answered_ = asked_;
    answeredData_ = askedData_;
    answeredInputs_ = askedInputs_;
    appliedInputs_.reset();
    stale_ = false;
    applied_ = false;
    staleNote_->hide();
    recommendation_.reset();
    if (const Evaluation* rec = answer_->Recommendation()) recommendation_ = rec->Proposed;
    progress_->setValue(100);
    ShowAnswer();
    FollowBusy();
}

void Dimensionamento::ClearAnswer() {
    stale_ = false;
    applied_ = false;
    staleNote_->hide();
    answer_.reset();
    layout_.reset();
    recommendation_.reset();
    progress_->setValue(0);
    recommendationText_->clear();
    precharge_->clear();
    precharge_->hide();
    candidates_->clear();
    candidates_->setRowCount(0);
    candidates_->setColumnCount(0);
    legend_->clear();
    explanation_->clear();
    FitAnswer();
    // No answer, nothing to apply.
    FollowBusy();
}

void Dimensionamento::FollowBusy() {
    const bool busy = job_ != nullptr;
    calculate_->setEnabled(!busy);
    stop_->setEnabled(busy);
    apply_->setEnabled(!busy && !stale_ && !applied_ && answer_ && answer_->Recommended);
    appliedNote_->setVisible(applied_ && !busy);
    const GasSettings& gas = state_.Gas;
    // The classic law sizes nothing: the search runs real nitrogen instead.
    const QString law = gas.Law == GasLawKind::Classic
                            ? tr("azoto reale, al posto della legge classica che non dimensiona")
                        : gas.Law == GasLawKind::Ideal ? tr("gas ideale")
                                                       : tr("azoto reale");
    // The search chooses the vessels itself, but every run takes the pump's
    // volumetric efficiency from the project.
    QString pump;
    if (gas.Vessels.VolumetricEfficiency != 1) {
        pump = tr("; rendimento volumetrico della pompa %1")
                   .arg(UiNumber(gas.Vessels.VolumetricEfficiency));
    }
    gasLaw_->setText(tr("Legge del gas: %1%2 (da \"Modello del gas...\")").arg(law, pump));
}

void Dimensionamento::ShowAnswer() {
    layout_ = LayOutAnswer(*answer_, answered_, answeredData_, UiWording());
    const AnswerLayout& layout = *layout_;
    QStringList sentences;
    for (const std::string& s : layout.Recommendation) sentences << Text(s);
    recommendationText_->setText(sentences.join(QLatin1Char('\n')));

    const AnswerTable& p = layout.Precharge;
    precharge_->clear();
    precharge_->setVisible(!p.Rows.empty());
    if (!p.Rows.empty()) {
        precharge_->setRowCount(static_cast<int>(p.Headings.size()));
        precharge_->setColumnCount(static_cast<int>(p.Rows.size()));
        QStringList headings;
        for (const std::string& h : p.Headings) headings << Text(h);
        precharge_->setVerticalHeaderLabels(headings);
        for (int c = 0; c < precharge_->columnCount(); ++c) {
            for (int r = 0; r < precharge_->rowCount(); ++r) {
                auto* item = new QTableWidgetItem(Text(p.Rows[c][r]));
                item->setTextAlignment(Qt::AlignCenter);
                precharge_->setItem(r, c, item);
            }
        }
        precharge_->resizeColumnsToContents();
        precharge_->resizeRowsToContents();
        precharge_->setFixedHeight(2 * precharge_->frameWidth() + precharge_->rowHeight(0) +
                                   precharge_->rowHeight(1));
    }

    ShowCandidates(layout);
    QStringList legend;
    for (const std::string& line : layout.Legend) legend << Text(line);
    legend_->setText(legend.join(QLatin1Char('\n')));

    explanationHeading_->setText(Text(layout.ExplanationsHeading));
    QStringList lines;
    for (const std::string& line : layout.Explanations) lines << Text(line);
    explanation_->setPlainText(lines.join(QLatin1Char('\n')));
    FitAnswer();
    // Once the table has its height, which the answer's scroll bar, coming
    // with a long answer, settles only after the layouts' own events.
    QTimer::singleShot(0, this, [this] {
        if (!layout_ || !layout_->Candidates.Highlighted) return;
        candidates_->scrollToItem(
            candidates_->item(static_cast<int>(*layout_->Candidates.Highlighted), 0),
            QAbstractItemView::PositionAtCenter);
    });
}

void Dimensionamento::ShowCandidates(const AnswerLayout& layout) {
    const AnswerTable& t = layout.Candidates;
    candidates_->clear();
    candidates_->setColumnCount(static_cast<int>(t.Headings.size()));
    candidates_->setRowCount(static_cast<int>(t.Rows.size()));
    std::optional<int> recommended;
    if (t.Highlighted) recommended = static_cast<int>(*t.Highlighted);
    for (int r = 0; r < candidates_->rowCount(); ++r) {
        const std::vector<std::string>& row = t.Rows[static_cast<size_t>(r)];
        for (int c = 0; c < candidates_->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(Text(row[static_cast<size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (recommended && *recommended == r) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            candidates_->setItem(r, c, item);
        }
    }
    FitCandidateColumns();
    candidates_->clearSelection();
    if (recommended) candidates_->selectRow(*recommended);
}

ProjectSizing Dimensionamento::Sizing() const {
    return {RequirementsShown(), recommendation_};
}

void Dimensionamento::FollowProject() {
    ShowRequirementDrafts(project_.Sizing().Requirements);
    ShowCatalogueDrafts(project_.Sizing().Requirements.Catalogue);
    FollowInputs();
}

void Dimensionamento::FollowInputs() {
    if (!answer_) return FollowBusy();  // the gas model's line
    auto req = ReadRequirements();
    const uint64_t inputs = InputsNow();
    // The gas settings are judged with the inputs: the vessels of an applied
    // design in parallel are that design's, not another requirement.
    if (req) req->Gas = answered_.Gas;
    stale_ =
        (inputs != answeredInputs_ && inputs != appliedInputs_) || !req || !(*req == answered_);
    applied_ = !stale_ && inputs == appliedInputs_;
    staleNote_->setVisible(stale_);
    FollowBusy();
}

void Dimensionamento::Apply() {
    if (!answer_ || !answer_->Recommended || stale_) return;
    // The requirements and the answer go into the project before the design
    // does, so that Annulla takes the applied design back alone.
    const ProjectSizing sizing = Sizing();
    project_.SetRecommendation(sizing.Recommendation);
    project_.SetRequirements(sizing.Requirements);
    project_.ApplyDesign(answer_->Recommendation()->Proposed, answered_.MinPressure.value());
    // The answer belongs to the data it leaves as much as to those it was
    // found for.
    appliedInputs_ = InputsNow();
    appliedNote_->setText(
        QString::fromStdString(AppliedText(answer_->Recommendation()->Proposed, UiWording())));
    FollowInputs();
}

}  // namespace volvenza
