// String ids of qsComm's own table.
#define IDS_QS_CAPTION          10100
#define IDS_QS_OPERATION_FAILED 10101
