#include "DailyPlanLauncher.h"

DailyPlanLauncher::DailyPlanLauncher(Session &session, Services &services, DailyPlanHost &host)
    : m_session(session), m_services(services), m_host(host)
{
}

void DailyPlanLauncher::open() {}
