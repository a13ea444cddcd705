#include "StepLauncher.h"

StepLauncher::StepLauncher(Session &session, Services &services, StepHost &host)
    : m_session(session), m_services(services), m_host(host)
{
}

void StepLauncher::openForShownJob() {}

void StepLauncher::openFromFile() {}
