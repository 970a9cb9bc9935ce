// A save killed between its comment append and its record write: with the comment written first, no
// record ever points past the end of the comment file, so the next comment cannot land where a record
// points and no boat shows another boat's comment.
#include "FileFaults.h"
#include "RaceFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using race_data::RaceFiles;

namespace {

int hookCalls = 0;
int killAtCall = 0;

void killAtTheChosenCall() {
    if (++hookCalls == killAtCall) raise(SIGKILL);
}

enum class Order { CommentFirst, RecordFirst };

// Saves a boat the way the desk saves a participant: its comment and the record that points at it.
void save(RaceFiles& files, int recordNumber, const QString& comment, Order order) {
    DeltagarPost post;
    post.Namn = QStringLiteral("Båt %1").arg(recordNumber);
    post.KommentarLen = std::int32_t(comment.size());
    if (order == Order::CommentFirst) {
        post.KommentarPos = files.appendComment(comment);
        files.writeRecord(recordNumber, post);
    } else {
        post.KommentarPos = files.commentFileLength() + 1;
        files.writeRecord(recordNumber, post);
        files.appendComment(comment);
    }
}

QString commentOf(int recordNumber) {
    return QStringLiteral("Kommentar %1").arg(recordNumber);
}

// Boat 1 is saved twice, so a kill in its second save leaves it pointing at its first comment.
const int SavedBoats[] = {1, 2, 1, 3};

struct KillPoint {
    Order order;
    race_data::WriteHook* hook;
    int call;
};

// The boats whose comment, after the restart and the next boat's save, is not their own.
std::vector<int> misattributed(const QString& dat, const KillPoint& point) {
    const ChildEnd end = runInChild([&] {
        RaceFiles files;
        files.open(dat);
        hookCalls = 0;
        killAtCall = point.call;
        *point.hook = killAtTheChosenCall;
        for (const int n : SavedBoats)
            save(files, n, commentOf(n), point.order);
        return 0;
    });
    EXPECT_TRUE(end.killed);
    RaceFiles files;
    files.open(dat);
    save(files, 4, commentOf(4), Order::CommentFirst);
    std::vector<int> wrong;
    for (const auto& p : files.loadParticipants().live) {
        const DeltagarPost& post = p.post;
        if (post.KommentarLen > 0 &&
            files.readComment(post.KommentarPos, post.KommentarLen) != commentOf(p.recordNumber))
            wrong.push_back(p.recordNumber);
    }
    return wrong;
}

} // namespace

TEST(KillBetweenWrites, CommentFirstNeverLetsTheNextCommentLandWhereARecordPoints) {
    for (race_data::WriteHook* hook :
         {&race_data::afterCommentAppendHook, &race_data::afterRecordWriteHook}) {
        for (int call = 1; call <= 4; ++call) {
            QTemporaryDir dir;
            const QString dat = dir.filePath(QStringLiteral("Höst.dat"));
            EXPECT_EQ(misattributed(dat, {Order::CommentFirst, hook, call}), std::vector<int>())
                << (hook == &race_data::afterCommentAppendHook ? "after comment " : "after record ") << call;
        }
    }
}

// The same kill with the record written first shows what the order prevents: the new boat's comment is
// read as the killed boat's.
TEST(KillBetweenWrites, RecordFirstWouldGiveABoatAnotherBoatsComment) {
    QTemporaryDir dir;
    const QString dat = dir.filePath(QStringLiteral("Höst.dat"));
    EXPECT_EQ(misattributed(dat, {Order::RecordFirst, &race_data::afterRecordWriteHook, 2}),
              std::vector<int>{2});
}
