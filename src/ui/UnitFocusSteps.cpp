// The queue of the steps of entering and leaving fields.
#include "UnitFocusSteps.h"

#include "UnitModalDialog.h"
#include "UnitMsgDialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <deque>

namespace {
struct TrecFocusStep {
    QPointer<const QObject> objContext;
    std::function<void()> fnStep;
};

std::deque<TrecFocusStep> &garSteps() {
    static std::deque<TrecFocusStep> ar;
    return ar;
}

int fniPromptsSoFar() {
    return fniMessagesAsked() + fniDialogsRun();
}
} // namespace

void pQueueFocusStep(const QObject *objContext, std::function<void()> fnStep) {
    garSteps().push_back({objContext, std::move(fnStep)});
    // One run per queued step; a run that finds the queue empty does nothing.
    QTimer::singleShot(0, QCoreApplication::instance(), [] { fnbRunFocusSteps(); });
}

bool fnbRunFocusSteps() {
    const int iPromptsBefore = fniPromptsSoFar();
    // A step may move the focus itself (it gives it back to the field it
    // refused): the steps that queues run later, on their own.
    for (size_t iLeft = garSteps().size(); iLeft > 0 && !garSteps().empty(); --iLeft) {
        TrecFocusStep rec = std::move(garSteps().front());
        garSteps().pop_front();
        if (rec.objContext)
            rec.fnStep();
    }
    return fniPromptsSoFar() != iPromptsBefore;
}

void pDropFocusSteps() {
    garSteps().clear();
}
