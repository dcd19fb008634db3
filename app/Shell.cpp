#include "app/Shell.h"

#include "app/MainUnit.h"
#include "data/Connection.h"
#include "data/DMUnit.h"
#include "directories/DistrbutorEditUnit.h"
#include "directories/GoodEditUnit.h"
#include "directories/SpDistributorUnit.h"
#include "directories/SpGoodUnit.h"
#include "orders/OrderEditUnit.h"
#include "orders/OrderLineUnit.h"
#include "orders/OrderUnit.h"
#include "orders/RepDistributorCheck.h"
#include "planning/ExcelUnit.h"
#include "setup/SetupUnit.h"
#include "store/Store.h"
#include "tax/AddAvansUnit.h"
#include "tax/AvansUnit.h"
#include "tax/DelAvansUnit.h"
#include "tax/PPRepUnit.h"
#include "tax/PeriodsUnit.h"
#include "tax/RepNspUnit.h"

namespace tarvo {

Shell::Shell()
{
    auto main = std::make_unique<TfmMainMenu>();
    m_main = main.get();
    m_instances.push_back(std::move(main));
    m_instances.push_back(std::make_unique<TfmDistributorList>());
    auto dm = std::make_unique<TDM>();
    // Only this program's store, of a version it knows, is opened.
    dm->ADO()->setExpectedIdentity(store::applicationId(), store::schemaVersion());
    m_instances.push_back(std::move(dm));
    m_instances.push_back(std::make_unique<TfmDistributorEdit>());
    m_instances.push_back(std::make_unique<TfmGoodsList>());
    m_instances.push_back(std::make_unique<TfmGoodEdit>());
    m_instances.push_back(std::make_unique<TfmOrders>());
    m_instances.push_back(std::make_unique<TfmCheck>());
    m_instances.push_back(std::make_unique<TfmOrderEdit>());
    m_instances.push_back(std::make_unique<TfmOrderLine>());
    m_instances.push_back(std::make_unique<TfmSetup>());
    m_instances.push_back(std::make_unique<TfmAvans>());
    m_instances.push_back(std::make_unique<TfmAddAvans>());
    m_instances.push_back(std::make_unique<TfmDelAvans>());
    m_instances.push_back(std::make_unique<TrepPP>());
    m_instances.push_back(std::make_unique<TfmPeriods>());
    m_instances.push_back(std::make_unique<TRepNsp>());
    m_instances.push_back(std::make_unique<TfmOle>());
}

Shell::~Shell()
{
    while (!m_instances.empty())
        m_instances.pop_back();
}

QList<QObject *> Shell::instances() const
{
    QList<QObject *> out;
    for (const auto &p : m_instances)
        out << p.get();
    return out;
}

} // namespace tarvo
