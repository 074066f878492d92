// Rewriting ad-hoc statements written for SQL Server: "[dbo].[x]" and "[x]"
// become plain names, and "+" between a text and a string literal becomes the
// standard "||", and a number glued to AND or OR ("1AND") is parted from it.
// Quoted literals are left as they are.
#pragma once

#include <QString>

QString fnstRewriteSQLServerDialect(const QString &stSQL);
