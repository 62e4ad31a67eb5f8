// The editor core's handlers on their own, without any widget, on a sprite
// with a pixel in every row at height 9.

#include "handlers.h"
#include "pixel_op.h"

#include <QTest>

class BenchCore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        state_ = {};
        for (std::int16_t row = 0; row < kobalin::Rows; ++row) {
            kobalin::Picture1_MouseDown(state_, kobalin::CellIndex(row, row % kobalin::Columns));
        }
    }

    void Picture1_MouseDown() {
        QBENCHMARK {
            kobalin::Picture1_MouseDown(state_, 19);
        }
    }

    void Command7_Click() {
        QBENCHMARK {
            kobalin::Command7_Click(state_);
        }
    }

    void Command2_Click() {
        QBENCHMARK {
            kobalin::Command2_Click(state_);
        }
    }

    // "-" then "+": height 9 to 8 and back, so that every click changes it.
    void Command5_Click_Command6_Click() {
        QBENCHMARK {
            kobalin::Command5_Click(state_);
            kobalin::Command6_Click(state_);
        }
    }

private:
    kobalin::WindowState state_;
};

QTEST_GUILESS_MAIN(BenchCore)
#include "bench_core.moc"
