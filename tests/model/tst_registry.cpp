// The registry without a window: unique exact names, creation order, the shown flag and the
// revision that tells a saved library from a changed one.

#include <QtTest>
#include <stdexcept>

#include "model/Registry.h"

namespace {

std::unique_ptr<CConcrete> Make(const std::string& name)
{
    return std::make_unique<CConcrete>(name, 30000, 20, 2.0, 1.0, 1.0, 0.0015, 0.0001, 0.016,
                                       0.0007);
}

QStringList Names(const ConcreteRegistry& registry)
{
    QStringList names;
    for (const auto& concrete : registry)
        names.append(QString::fromStdString(concrete->ConcreteName));
    return names;
}

}  // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void namesAreExactAndUnique()
    {
        ConcreteRegistry registry;
        registry.Add(Make("C30"));
        registry.Add(Make("c30"));
        registry.Add(Make("C30 "));
        QCOMPARE(Names(registry), (QStringList{"C30", "c30", "C30 "}));
        QCOMPARE(registry.IndexOf("c30"), std::ptrdiff_t(1));
        QVERIFY(!registry.Contains("C3"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, registry.Add(Make("C30")));
        QCOMPARE(registry.size(), std::size_t(3));
    }

    void removeKeepsOrderAndFlags()
    {
        ConcreteRegistry registry;
        registry.Add(Make("A"), true);
        registry.Add(Make("B"), false);
        registry.Add(Make("C"), true);
        QVERIFY(registry.Remove("A"));
        QVERIFY(!registry.Remove("A"));
        QCOMPARE(Names(registry), (QStringList{"B", "C"}));
        QVERIFY(!registry.Shown(0));
        QVERIFY(registry.Shown("C"));
        QCOMPARE(registry.ShownConcretes().size(), std::size_t(1));
        QCOMPARE(registry.ShownConcretes().front()->ConcreteName, std::string("C"));

        // Names are looked up where they stand now, and a name given up can be taken again.
        registry.Add(Make("A"), false);
        registry.Add(Make("D"), true);
        QVERIFY(registry.Remove("C"));
        QCOMPARE(Names(registry), (QStringList{"B", "A", "D"}));
        for (std::size_t i = 0; i < registry.size(); ++i)
            QCOMPARE(registry.IndexOf(registry.at(i).ConcreteName), std::ptrdiff_t(i));
        QCOMPARE(registry.Find("D"), &registry.at(2));
        QVERIFY(registry.Shown("D") && !registry.Shown("A"));
        registry.SetShown("D", false);
        QVERIFY(!registry.Shown(2));
        registry.Clear();
        QVERIFY(!registry.Contains("B"));
        registry.Add(Make("B"));
        QCOMPARE(registry.IndexOf("B"), std::ptrdiff_t(0));
    }

    // Every change that a library file would record moves the revision; looking and
    // no-op changes do not.
    void revisionCountsChanges()
    {
        ConcreteRegistry registry;
        auto last = registry.Revision();
        const auto changed = [&] {
            const bool moved = registry.Revision() != last;
            last = registry.Revision();
            return moved;
        };
        registry.Clear();
        QVERIFY(!changed());
        registry.Add(Make("A"));
        QVERIFY(changed());
        registry.SetShown("A", true);
        QVERIFY(!changed());
        registry.SetShown("A", false);
        QVERIFY(changed());
        registry.SetShown("nobody", true);
        QVERIFY(!changed());
        QVERIFY(!registry.Remove("nobody"));
        QVERIFY(!changed());
        registry.Remove("A");
        QVERIFY(changed());
        registry.Add(Make("B"));
        registry.Clear();
        QVERIFY(changed());
        QVERIFY(registry.empty());
    }

    // A window that shows a registry hears of a replacement, sees the new list when it does,
    // and keeps hearing after lists were moved in and out; a plain move tells nobody.
    void replaceIsAnnouncedToSubscribers()
    {
        ConcreteRegistry registry;
        registry.Add(Make("A"));
        QStringList seen;
        const std::size_t key = registry.SubscribeReplaced([&] { seen = Names(registry); });

        ConcreteRegistry loaded;
        loaded.Add(Make("B"), false);
        loaded.Add(Make("C"));
        registry.Replace(std::move(loaded));
        QCOMPARE(seen, (QStringList{"B", "C"}));
        QVERIFY(!registry.Shown("B"));

        ConcreteRegistry taken = std::move(registry);
        registry = std::move(taken);
        QCOMPARE(seen, (QStringList{"B", "C"}));
        taken.Replace(ConcreteRegistry());
        QCOMPARE(seen, (QStringList{"B", "C"}));

        registry.Replace(ConcreteRegistry());
        QCOMPARE(seen, QStringList());
        seen = QStringList{"unchanged"};
        registry.Unsubscribe(key);
        registry.Replace(ConcreteRegistry());
        QCOMPARE(seen, QStringList{"unchanged"});
    }
};

QTEST_APPLESS_MAIN(TestRegistry)
#include "tst_registry.moc"
