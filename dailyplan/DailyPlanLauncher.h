#pragma once

class DailyPlanHost;
class Session;
struct Services;

// Opens the daily planner for today: folders and files, the jobs in progress, the day.
class DailyPlanLauncher final
{
public:
    DailyPlanLauncher(Session &session, Services &services, DailyPlanHost &host);

    void open();

private:
    Session &m_session;
    Services &m_services;
    DailyPlanHost &m_host;
};
