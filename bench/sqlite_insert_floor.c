/* The floor for Save to Database: what SQLite alone costs for the same
 * records. Reads the benchmark report, cuts each CR LF line into the same six
 * columns, and inserts them through one prepared INSERT in one transaction,
 * with no checks, no types and no conversion.
 * usage: sqlite_insert_floor REPORT DATABASE */
#define _POSIX_C_SOURCE 200809L
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const int starts[6] = {1, 21, 33, 43, 55, 69};
static const int widths[6] = {20, 8, 10, 12, 12, 22};

static void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        exit(1);
    }
}

static void insertLine(sqlite3_stmt* insert, sqlite3* db, const char* line, size_t length) {
    for (int i = 0; i < 6; ++i) {
        size_t start = (size_t)starts[i] - 1;
        size_t count = start < length ? length - start : 0;
        if (count > (size_t)widths[i])
            count = (size_t)widths[i];
        check(sqlite3_bind_text(insert, i + 1, start < length ? line + start : "", (int)count,
                                SQLITE_STATIC),
              db);
    }
    check(sqlite3_step(insert), db);
    sqlite3_reset(insert);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s REPORT DATABASE\n", argv[0]);
        return 2;
    }
    FILE* in = fopen(argv[1], "rb");
    sqlite3* db = NULL;
    if (!in || sqlite3_open(argv[2], &db) != SQLITE_OK)
        return 1;
    check(sqlite3_exec(db,
                       "CREATE TABLE report (Station TEXT, Account TEXT, Code TEXT, Amount TEXT, "
                       "Balance TEXT, Remarks TEXT); BEGIN",
                       NULL, NULL, NULL),
          db);
    sqlite3_stmt* insert = NULL;
    check(sqlite3_prepare_v2(db, "INSERT INTO report VALUES (?, ?, ?, ?, ?, ?)", -1, &insert, NULL),
          db);
    char* line = NULL;
    size_t capacity = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, in)) > 0) {
        while (length > 0 && (line[length - 1] == '\n' || line[length - 1] == '\r'))
            --length;
        insertLine(insert, db, line, (size_t)length);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", NULL, NULL, NULL), db);
    free(line);
    fclose(in);
    return sqlite3_close(db) == SQLITE_OK ? 0 : 1;
}
