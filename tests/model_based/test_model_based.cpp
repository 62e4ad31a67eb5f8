#include "editor_driver.h"
#include "quiet_offscreen.h"
#include "reference_model.h"
#include "user_actions.h"

#include <QTest>

#include <functional>
#include <optional>
#include <random>
#include <vector>

// Long random sessions on the real window, held after every action against
// the reference model; one data row per session. By default 200 sessions of
// 200 actions from a fixed seed; for more, set KOBALIN_SEQUENCES,
// KOBALIN_ACTIONS and KOBALIN_SEED (session i uses the seed KOBALIN_SEED + i).
// KOBALIN_SHARD=k/n runs every n-th session only, starting with the k-th, so
// that several test processes share the work.

namespace {

struct Settings {
    quint64 seed = 20240601;
    int sequences = 200;
    int actions = 200;
    int shard = 1;
    int shards = 1;
};

int IntFromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

Settings SettingsFromEnvironment() {
    Settings settings;
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("KOBALIN_SEED").toULongLong(&ok);
    if (ok) {
        settings.seed = seed;
    }
    settings.sequences = IntFromEnvironment("KOBALIN_SEQUENCES", settings.sequences);
    settings.actions = IntFromEnvironment("KOBALIN_ACTIONS", settings.actions);
    const QStringList shard = qEnvironmentVariable("KOBALIN_SHARD").split(QLatin1Char('/'));
    if (shard.size() == 2 && shard[0].toInt() >= 1 && shard[0].toInt() <= shard[1].toInt()) {
        settings.shard = shard[0].toInt();
        settings.shards = shard[1].toInt();
    }
    return settings;
}

// Where a session first went wrong: after the action with this index (-1 for
// the start state), and what differed.
struct Failure {
    int step = -1;
    QStringList differences;
};

struct Session {
    std::vector<Action> actions;
    std::optional<Failure> failure;
};

// Plays actions on a fresh window, up to the first difference. next() hands
// over each action, seeing the model as it is before it, and nothing at the end.
std::optional<Failure>
Play(const std::function<std::optional<Action>(const reference::EditorModel&)>& next) {
    EditorDriver driver;
    reference::EditorModel model;
    if (QStringList differences = driver.differencesFrom(model); !differences.isEmpty()) {
        return Failure{-1, differences};
    }
    int step = 0;
    for (std::optional<Action> action = next(model); action; action = next(model), ++step) {
        Perform(*action, driver, model);
        if (QStringList differences = driver.differencesFrom(model); !differences.isEmpty()) {
            return Failure{step, differences};
        }
    }
    return std::nullopt;
}

// Plays a new random session, recording its actions.
Session Explore(quint64 seed, int length) {
    std::mt19937_64 random(seed);
    Session session;
    session.failure = Play([&](const reference::EditorModel& model) -> std::optional<Action> {
        if (int(session.actions.size()) == length) {
            return std::nullopt;
        }
        session.actions.push_back(RandomAction(random, model));
        return session.actions.back();
    });
    return session;
}

// Plays recorded actions again.
std::optional<Failure> Replay(const std::vector<Action>& actions) {
    std::size_t played = 0;
    return Play([&](const reference::EditorModel&) -> std::optional<Action> {
        if (played == actions.size()) {
            return std::nullopt;
        }
        return actions[played++];
    });
}

// Re-runs shorter prefixes of the session until the shortest one that still
// fails on a fresh window is found. Empty when even the whole prefix passes
// on a fresh window, that is, the failure did not reproduce.
std::vector<Action> ShortestFailingPrefix(const Session& session) {
    std::vector<Action> prefix(session.actions.begin(),
                               session.actions.begin() + session.failure->step + 1);
    for (std::optional<Failure> failure = Replay(prefix); failure; failure = Replay(prefix)) {
        if (std::size_t(failure->step + 1) == prefix.size()) {
            return prefix;
        }
        prefix.resize(std::size_t(failure->step + 1));
    }
    return {};
}

// Leaves out one action at a time as long as what is left still fails, for
// a shorter recipe to reproduce the fault by hand.
std::vector<Action> SmallestFailingSubsequence(std::vector<Action> actions) {
    constexpr int MaxReplays = 300;
    int replays = 0;
    for (std::size_t i = 0; i < actions.size() && replays < MaxReplays; ++replays) {
        std::vector<Action> fewer = actions;
        fewer.erase(fewer.begin() + std::ptrdiff_t(i));
        if (Replay(fewer)) {
            actions = std::move(fewer);
        } else {
            ++i;
        }
    }
    return actions;
}

QString Listed(const std::vector<Action>& actions) {
    QString list;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        list += QStringLiteral("\n  %1. %2").arg(i + 1).arg(Describe(actions[i]));
    }
    return list;
}

// What went wrong, with the seed to replay it. The first failure of a run
// also gets the shortest failing prefix and a shrunk recipe; later ones keep
// to the differences, so that a fault hitting every session stays readable.
QString FailureReport(quint64 seed, const Settings& settings, const Session& session, bool shrink) {
    const Failure& failure = *session.failure;
    QString report = QStringLiteral("Session with seed %1 (KOBALIN_SEED=%1 KOBALIN_SEQUENCES=1 "
                                    "KOBALIN_ACTIONS=%2 replays it): ")
                         .arg(seed)
                         .arg(settings.actions);
    report += failure.step < 0
                  ? QStringLiteral("the start state differs from the model:")
                  : QStringLiteral("after action %1 the window differs from the model:")
                        .arg(failure.step + 1);
    report += QStringLiteral("\n  ") + failure.differences.join(QStringLiteral("\n  "));
    if (failure.step < 0 || !shrink) {
        return report;
    }
    const std::vector<Action> prefix = ShortestFailingPrefix(session);
    if (prefix.empty()) {
        return report +
               QStringLiteral("\nThe failure did not reproduce on a fresh window; "
                              "the session was:") +
               Listed(session.actions);
    }
    report += QStringLiteral("\nShortest failing prefix, %1 actions:").arg(prefix.size()) +
              Listed(prefix);
    const std::vector<Action> smallest = SmallestFailingSubsequence(prefix);
    const std::optional<Failure> smallestFailure = Replay(smallest);
    report +=
        QStringLiteral("\nSmallest failing subsequence found, %1 actions:").arg(smallest.size()) +
        Listed(smallest);
    if (smallestFailure) {
        report += QStringLiteral("\nwhich end with:\n  ") +
                  smallestFailure->differences.join(QStringLiteral("\n  "));
    }
    return report;
}

} // namespace

class TestModelBased : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietOffscreenWarnings(); }

    void windowFollowsTheRulesThroughRandomSessions_data() {
        QTest::addColumn<quint64>("seed");
        for (int sequence = settings_.shard - 1; sequence < settings_.sequences;
             sequence += settings_.shards) {
            const quint64 seed = settings_.seed + quint64(sequence);
            QTest::addRow("seed %llu", seed) << seed;
        }
    }

    void windowFollowsTheRulesThroughRandomSessions() {
        QFETCH(quint64, seed);
        const Session session = Explore(seed, settings_.actions);
        if (!session.failure) {
            return;
        }
        // Shrinking replays the session many times: once per run is enough
        // to hand over a short recipe.
        const bool shrink = !shrunk_;
        shrunk_ = true;
        QFAIL(qPrintable(FailureReport(seed, settings_, session, shrink)));
    }

private:
    const Settings settings_ = SettingsFromEnvironment();
    bool shrunk_ = false;
};

QTEST_MAIN(TestModelBased)
#include "test_model_based.moc"
