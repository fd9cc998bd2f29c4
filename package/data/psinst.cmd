// Command file of the demo package: command sections.
[START_INSTALL]
CMD0 = CT_APP_TERMINATE
