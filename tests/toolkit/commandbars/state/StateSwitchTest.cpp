// A save through CXTPStateSwitch over a model store that refuses writes: a
// place of three values where every reader looks, a place beside it and the
// switch between them. Whichever write is refused, the place the switch
// names holds the last state or the new one whole; a save after one that
// stopped beside writes only the usual place.
#include "toolkit/commandbars/state/XTPStateSwitch.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The store: each value a letter of the state that wrote it ('-' erased);
// each write has a name ("beside 1", "switch on", "usual 0", "switch off",
// "erase 2") and may be refused by its name or by its place among the
// writes of the save.
class CModelSave : public CXTPStateSwitch
{
public:
    CModelSave(const std::string& strUsual, const std::string& strBeside, bool bSwitch)
        : usual(strUsual), beside(strBeside), bBesideCurrent(bSwitch)
    {}

    // Saves the state of that letter.
    void SaveState(char cLetter)
    {
        m_cNew = cLetter;
        writes.clear();
        Save();
    }
    // What a load reads, then "beside" when the switch is set.
    std::string Loaded() const { return bBesideCurrent ? beside + " beside" : usual; }

    std::string usual;
    std::string beside;
    bool bBesideCurrent;
    std::set<std::string> refusedNames;
    int nRefused = -1;
    std::vector<std::string> writes;

protected:
    BOOL IsBesideCurrent() override { return bBesideCurrent; }
    BOOL SetBesideCurrent(BOOL bBeside) override
    {
        if (!Write(bBeside ? "switch on" : "switch off"))
            return FALSE;
        bBesideCurrent = bBeside != FALSE;
        return TRUE;
    }
    BOOL WriteState(BOOL bBeside) override
    {
        std::string& place = bBeside ? beside : usual;
        for (size_t i = 0; i < place.size(); i++)
        {
            if (!Write((bBeside ? "beside " : "usual ") + std::to_string(i)))
                return FALSE;
            place[i] = m_cNew;
        }
        return TRUE;
    }
    void EraseBeside() override
    {
        for (size_t i = 0; i < beside.size(); i++)
        {
            if (Write("erase " + std::to_string(i)))
                beside[i] = '-';
        }
    }

private:
    bool Write(const std::string& strName)
    {
        writes.push_back(strName);
        return refusedNames.count(strName) == 0 && (int)writes.size() - 1 != nRefused;
    }

    char m_cNew = '?';
};

// The store before the save: the last save wrote A whole in the usual
// place, or it stopped once A was beside (the usual place holding part of
// A over an older Z).
enum Start
{
    usualCurrent,
    besideCurrent
};

CModelSave StoreAt(Start start)
{
    return start == usualCurrent ? CModelSave("AAA", "---", false) : CModelSave("AZZ", "AAA", true);
}

// Saving N with one write refused by its name: what the next load reads and
// what stays beside.
TEST(StateSwitch, AWriteRefusedLeavesTheLastStateOrTheNewOneToLoad)
{
    struct Row
    {
        const char* name;
        Start start;
        const char* refused;
        const char* loaded;
        const char* beside;
    };
    const Row rows[] = {
        {"nothing refused", usualCurrent, "", "NNN", "---"},
        {"a value beside", usualCurrent, "beside 1", "AAA", "N--"},
        {"the last value beside", usualCurrent, "beside 2", "AAA", "NN-"},
        {"setting the switch", usualCurrent, "switch on", "AAA", "NNN"},
        {"a value in the usual place", usualCurrent, "usual 1", "NNN beside", "NNN"},
        {"clearing the switch", usualCurrent, "switch off", "NNN beside", "NNN"},
        {"erasing beside", usualCurrent, "erase 1", "NNN", "-N-"},
        // The state to load is never written over.
        {"after a stop beside: nothing refused", besideCurrent, "", "NNN", "---"},
        {"after a stop beside: a value in the usual place", besideCurrent, "usual 1", "AAA beside", "AAA"},
        {"after a stop beside: clearing the switch", besideCurrent, "switch off", "AAA beside", "AAA"},
        {"after a stop beside: erasing beside", besideCurrent, "erase 0", "NNN", "A--"},
    };
    for (const Row& row : rows)
    {
        CModelSave store = StoreAt(row.start);
        store.refusedNames = {row.refused};
        store.SaveState('N');
        EXPECT_EQ(row.loaded, store.Loaded()) << row.name;
        EXPECT_EQ(row.beside, store.beside) << row.name;
    }
}

TEST(StateSwitch, EverySingleWriteRefusedInTurnLeavesAWholeStateToLoad)
{
    const std::tuple<const char*, Start> starts[] = {
        {"the usual place current", usualCurrent},
        {"the place beside current", besideCurrent},
    };
    for (const auto& [name, start] : starts)
    {
        CModelSave recorded = StoreAt(start);
        recorded.SaveState('N');
        ASSERT_EQ("NNN", recorded.Loaded()) << name;
        for (size_t n = 0; n < recorded.writes.size(); n++)
        {
            CModelSave store = StoreAt(start);
            store.nRefused = (int)n;
            store.SaveState('N');
            const std::string strLoaded = store.Loaded().substr(0, 3);
            EXPECT_TRUE(strLoaded == "NNN" || strLoaded == "AAA")
                << name << ", refused " << recorded.writes[n] << ": loads " << store.Loaded();
        }
    }
}

TEST(StateSwitch, AValueTheStoreAlwaysRefusesKeepsTheLastStateThatWentBeside)
{
    // Later saves write the usual place only, which the store refuses.
    CModelSave store = StoreAt(usualCurrent);
    store.refusedNames = {"usual 2"};
    for (char cLetter : {'B', 'C', 'D'})
    {
        store.SaveState(cLetter);
        EXPECT_EQ("BBB beside", store.Loaded()) << "saving " << cLetter;
    }
}

} // namespace
