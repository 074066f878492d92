// Rewriting ad-hoc statements written for SQL Server: "[dbo].[x]" and "[x]"
// become plain names, and "+" between a text and a string literal becomes the
// standard "||". Quoted literals are left as they are.
#pragma once

#include <QString>

QString fnstRewriteSQLServerDialect(const QString &stSQL);
