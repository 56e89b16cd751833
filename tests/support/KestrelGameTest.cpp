#include "support/KestrelGameTest.h"

void CKestrelGameTest::SetUp()
{
    if (!kestrel::Available())
        GTEST_SKIP() << "no judge-games folder beside the repository";
    ASSERT_TRUE(game.created);
    ASSERT_TRUE(game.services.messages.empty()) << game.services.messages.front().text;
    ASSERT_EQ(doc.m_seasons.size(), kestrel::Mails().size());
}
