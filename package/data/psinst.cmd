// Command file of the demo package: command sections.
[START_INSTALL]
CT_APP_TERMINATE
