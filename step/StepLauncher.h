#pragma once

class Session;
class StepHost;
struct Services;

// Opens the step planner, either for the job shown in the main window or for a step file chosen
// from the list of the step folder.
class StepLauncher final
{
public:
    StepLauncher(Session &session, Services &services, StepHost &host);

    void openForShownJob();
    void openFromFile();

private:
    Session &m_session;
    Services &m_services;
    StepHost &m_host;
};
