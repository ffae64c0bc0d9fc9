#include <vellmark/math/3d/oe_octtree.h>
#include <vellmark/math/3d/oe_plane.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace
{
    // Traversal callbacks are plain functions: they collect into this list.
    std::vector<bCOctTreeEntryBase *> & Offered()
    {
        static std::vector<bCOctTreeEntryBase *> s_arrOffered;
        return s_arrOffered;
    }

    void Collect(bCOctTreeEntryBase * a_pEntry)
    {
        Offered().push_back(a_pEntry);
    }

    struct bSTouch
    {
        bCOctTreeEntryBase * m_pExisting;
        bCOctTreeEntryBase * m_pOther;
        bool m_bAdded;
    };

    std::vector<bSTouch> & Touches()
    {
        static std::vector<bSTouch> s_arrTouches;
        return s_arrTouches;
    }

    void RecordTouch(bCOctTreeEntryBase * a_pExisting, bCOctTreeEntryBase * a_pOther, bool a_bAdded)
    {
        Touches().push_back({a_pExisting, a_pOther, a_bAdded});
    }

    bCOctTree::bEOctTreeCull RejectEverything(bCBox const &)
    {
        return bCOctTree::bEOctTreeCull_Outside;
    }

    bCBox MakeBox(float a_fX, float a_fY, float a_fZ, float a_fSize)
    {
        return bCBox(bCVector(a_fX, a_fY, a_fZ), bCVector(a_fX + a_fSize, a_fY + a_fSize, a_fZ + a_fSize));
    }

    template <typename... QUERY>
    std::set<bCOctTreeEntryBase *> Query(bCOctTree const & a_Tree, QUERY const &... a_Query)
    {
        Offered().clear();
        a_Tree.Traverse(&Collect, a_Query...);
        return std::set<bCOctTreeEntryBase *>(Offered().begin(), Offered().end());
    }

    // Every entry must be removed before its tree goes.
    struct bSEntries
    {
        bCOctTree & m_Tree;
        std::vector<std::unique_ptr<bCOctTreeEntryBase>> m_arrEntries;
        ~bSEntries()
        {
            for (auto & pEntry : m_arrEntries)
                m_Tree.RemoveEntry(pEntry.get());
        }
        bCOctTreeEntryBase * Add(bCBox const & a_Box)
        {
            m_arrEntries.push_back(std::make_unique<bCOctTreeEntryBase>(a_Box));
            m_Tree.AddEntry(m_arrEntries.back().get());
            return m_arrEntries.back().get();
        }
    };

    // A node full of large entries sends a small entry across its centre
    // down into the two children it overlaps.
    bCOctTreeEntryBase * AddStraddlingEntry(bSEntries & a_Entries)
    {
        for (int i = 0; i < 10; ++i)
            a_Entries.Add(bCBox(bCVector(0.5f), bCVector(7.5f)));
        return a_Entries.Add(bCBox(bCVector(3.5f, 1, 1), bCVector(4.5f, 1.5f, 1.5f)));
    }
} // namespace

TEST(bCOctTree, MatchesBruteForceAfterRandomAddsMovesAndRemoves)
{
    std::mt19937 Random(4711);
    std::uniform_real_distribution<float> Position(-40.0f, 40.0f);
    std::uniform_real_distribution<float> Size(0.0f, 6.0f);
    std::uniform_int_distribution<int> Action(0, 9);
    auto RandomBox = [&] { return MakeBox(Position(Random), Position(Random), Position(Random), Size(Random)); };

    bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(10.0f)));
    bSEntries Entries{Tree, {}};
    std::vector<bCOctTreeEntryBase *> arrLive;
    for (int iStep = 0; iStep < 3000; ++iStep)
    {
        int const iAction = Action(Random);
        if (arrLive.empty() || iAction < 5)
            arrLive.push_back(Entries.Add(RandomBox()));
        else if (iAction < 8)
            ASSERT_TRUE(Tree.MoveEntry(arrLive[Random() % arrLive.size()], RandomBox()));
        else
        {
            std::size_t const uIndex = Random() % arrLive.size();
            ASSERT_TRUE(Tree.RemoveEntry(arrLive[uIndex]));
            arrLive.erase(arrLive.begin() + static_cast<long>(uIndex));
        }
        if (iStep % 100 != 99)
            continue;
        for (int iQuery = 0; iQuery < 20; ++iQuery)
        {
            SCOPED_TRACE(testing::Message() << "step " << iStep << " query " << iQuery);
            bCBox const QueryBox = RandomBox();
            bCVector const vecPoint(Position(Random), Position(Random), Position(Random));
            std::set<bCOctTreeEntryBase *> setBox, setPoint;
            for (bCOctTreeEntryBase * pEntry : arrLive)
            {
                if (pEntry->GetBoundingBox().Intersects(QueryBox))
                    setBox.insert(pEntry);
                if (pEntry->GetBoundingBox().Contains(vecPoint))
                    setPoint.insert(pEntry);
            }
            ASSERT_EQ(Query(Tree, QueryBox), setBox);
            ASSERT_EQ(Query(Tree, vecPoint), setPoint);
        }
    }
    EXPECT_TRUE(Tree.GetRootBox().Contains(bCBox(bCVector(-40.0f), bCVector(46.0f))));
    std::set<bCOctTreeEntryBase *> const setAll(arrLive.begin(), arrLive.end());
    bCPlane const * const pNoPlanes = nullptr;
    EXPECT_EQ(Query(Tree, pNoPlanes, 0), setAll); // no planes, default culling: everything
    Tree.CleanUp();
    EXPECT_EQ(Query(Tree, pNoPlanes, 0), setAll);

    // Planes: whatever is offered is not wholly outside; whatever is wholly inside is offered.
    bCPlane const arrPlanes[3] = {bCPlane(bCVector(1, 0, 0), 5.0f), bCPlane(bCVector(0, -1, 0), 10.0f),
                                  bCPlane(bCVector(0.6f, 0, 0.8f), 0.0f)};
    std::set<bCOctTreeEntryBase *> const setPlanes = Query(Tree, arrPlanes, 3, arrPlanes[2]);
    for (bCOctTreeEntryBase * pEntry : arrLive)
    {
        bCOctTree::bEOctTreeCull const enuCull = bCOctTree::CullBox(pEntry->GetBoundingBox(), arrPlanes, 3);
        if (enuCull == bCOctTree::bEOctTreeCull_Inside)
        {
            EXPECT_TRUE(setPlanes.count(pEntry));
        }
        else if (enuCull == bCOctTree::bEOctTreeCull_Outside)
        {
            EXPECT_FALSE(setPlanes.count(pEntry));
        }
    }
    Tree.SetCullingCallback(&RejectEverything);
    EXPECT_TRUE(Query(Tree, pNoPlanes, 0).empty());
    EXPECT_TRUE(Query(Tree, bCBox(bCVector(-50.0f), bCVector(50.0f))).empty());
}

TEST(bCOctTree, GrowsAroundEntriesOutsideTheRoot)
{
    struct bSCase
    {
        bCBox m_Entry;
        bCBox m_ExpectedRoot;
    };
    bSCase const arrCases[] = {
        {MakeBox(5, 0.5f, 0.5f, 0.5f), bCBox(bCVector(0.0f), bCVector(8.0f))},
        {MakeBox(-3, 0.5f, 0.5f, 0.5f), bCBox(bCVector(-3, 0, 0), bCVector(1, 4, 4))},
        {MakeBox(0.25f, 0.25f, 0.25f, 0.5f), bCBox(bCVector(0.0f), bCVector(1.0f))},
        {MakeBox(-0.5f, 0.5f, 1.5f, 0.25f), bCBox(bCVector(-1, 0, 0), bCVector(1, 2, 2))},
    };
    for (bSCase const & Case : arrCases)
    {
        bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(1.0f)));
        bSEntries Entries{Tree, {}};
        bCOctTreeEntryBase * pEntry = Entries.Add(Case.m_Entry);
        EXPECT_EQ(Tree.GetRootBox(), Case.m_ExpectedRoot);
        EXPECT_EQ(Query(Tree, Case.m_Entry.GetCenter()), std::set<bCOctTreeEntryBase *>{pEntry});
    }
}

// An entry on the upper face of the root stays in it when the root grows; the
// grown root's octant mask points past it, removal still finds it.
TEST(bCOctTree, RemovesEntriesOnTheFaceOfAnOldRoot)
{
    bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(1.0f)));
    bCOctTreeEntryBase OnFace(bCBox(bCVector(1, 0.2f, 0.2f), bCVector(1, 0.4f, 0.4f)));
    bCOctTreeEntryBase Far(MakeBox(5, 0.5f, 0.5f, 0.5f));
    Tree.AddEntry(&OnFace);
    Tree.AddEntry(&Far);
    EXPECT_TRUE(Tree.RemoveEntry(&OnFace));
    Offered().clear();
    Tree.Traverse(&Collect, nullptr, 0);
    EXPECT_EQ(Offered(), std::vector<bCOctTreeEntryBase *>{&Far});
    EXPECT_TRUE(Tree.RemoveEntry(&Far));
}

TEST(bCOctTree, StraddlingEntryIsFiledInEveryChildItOverlaps)
{
    bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(8.0f)));
    bSEntries Entries{Tree, {}};
    bCOctTreeEntryBase * pStraddling = AddStraddlingEntry(Entries);
    Offered().clear();
    Tree.Traverse(&Collect, bCBox(bCVector(3, 0.5f, 0.5f), bCVector(5, 2, 2)));
    EXPECT_EQ(std::count(Offered().begin(), Offered().end(), pStraddling), 2);
    EXPECT_EQ(Offered().size(), 12u); // ten in the root, the straddling one twice

    Touches().clear();
    EXPECT_EQ(Tree.SetTouchCallback(&RecordTouch), nullptr);
    bCOctTreeEntryBase * pNewcomer = Entries.Add(bCBox(bCVector(3.9f, 1.1f, 1.1f), bCVector(4.1f, 1.2f, 1.2f)));
    int iStraddlingReports = 0;
    for (bSTouch const & Touch : Touches())
    {
        EXPECT_EQ(Touch.m_pOther, pNewcomer);
        EXPECT_TRUE(Touch.m_bAdded);
        iStraddlingReports += Touch.m_pExisting == pStraddling;
    }
    EXPECT_EQ(iStraddlingReports, 1);
    EXPECT_EQ(Touches().size(), 11u);

    Touches().clear();
    EXPECT_TRUE(Tree.RemoveEntry(pStraddling));
    EXPECT_FALSE(Tree.RemoveEntry(pStraddling));
    EXPECT_EQ(Touches().size(), 11u);
    EXPECT_FALSE(Touches().front().m_bAdded);
    EXPECT_EQ(Tree.SetTouchCallback(nullptr), &RecordTouch);
    EXPECT_EQ(Query(Tree, bCVector(4.25f, 1.25f, 1.25f)).count(pStraddling), 0u);
    EXPECT_FALSE(pStraddling->IsInOctTree());
}

TEST(bCOctTree, PlaneTestOfABox)
{
    bCPlane const arrPlanes[2] = {bCPlane(bCVector(1, 0, 0), 0.0f), bCPlane(bCVector(0, 1, 0), 0.0f)};
    struct bSCase
    {
        bCBox m_Box;
        bCOctTree::bEOctTreeCull m_enuExpected;
    };
    bSCase const arrCases[] = {
        {MakeBox(1, 1, -5, 1), bCOctTree::bEOctTreeCull_Inside},
        {MakeBox(-0.5f, 1, 0, 1), bCOctTree::bEOctTreeCull_Intersect},
        {MakeBox(1, -3, 0, 1), bCOctTree::bEOctTreeCull_Outside},
        {MakeBox(-1, 1, 0, 1), bCOctTree::bEOctTreeCull_Outside}, // touching from outside
    };
    for (bSCase const & Case : arrCases)
        EXPECT_EQ(bCOctTree::CullBox(Case.m_Box, arrPlanes, 2), Case.m_enuExpected) << Case.m_Box.GetMin()[0];
    EXPECT_EQ(bCOctTree::CullBox(MakeBox(-9, -9, -9, 1), arrPlanes, 0), bCOctTree::bEOctTreeCull_Inside);
}

TEST(bCOctTree, CopiesShareTheRoot)
{
    bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(8.0f)));
    bCOctTreeEntryBase Entry(MakeBox(1, 1, 1, 1));
    {
        bCOctTree Copy(Tree);
        Copy.AddEntry(&Entry);
        EXPECT_FALSE(Tree.AddEntry(&Entry)); // already filed
        Copy.MoveEntry(&Entry, MakeBox(20, 1, 1, 1));
    }
    EXPECT_EQ(Tree.GetRootBox(), bCBox(bCVector(0.0f), bCVector(32, 32, 32)));
    EXPECT_EQ(Query(Tree, bCVector(20.5f, 1.5f, 1.5f)), std::set<bCOctTreeEntryBase *>{&Entry});
    EXPECT_TRUE(Tree.RemoveEntry(&Entry));
}

TEST(bCOctTreeDeathTest, DestroyingATreeWithEntriesIsFatal)
{
    EXPECT_EXIT(
        {
            bCOctTreeEntryBase Entry(MakeBox(1, 1, 1, 1));
            {
                bCOctTree Tree(bCBox(bCVector(0.0f), bCVector(8.0f)));
                Tree.AddEntry(&Entry);
            }
            std::exit(0);
        },
        ::testing::ExitedWithCode(447 & 0xFF), "OctTree deleted, but had still entries!");
}
